// Prints the system version code computed at start and computed again now.
#include "SystemVersion.h"

#include <cstdio>

int main()
{
    std::printf("%d %d\n", g_osVersion, GetSystemVersionCode());
    return 0;
}
