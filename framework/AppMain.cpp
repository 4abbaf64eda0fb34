// The program's entry point. Compiled into every executable that uses the
// framework (an entry point inside a static library would not be linked).

#include "WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(hInstance);
}
