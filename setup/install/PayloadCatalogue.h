#pragma once
// The driver payload: which OWNER_DATA resource is written under which file
// name, by the detected system, the system's default language and the
// language chosen for the installation's messages.

#include <windows.h>

struct PayloadFile {
    LPCSTR pszName;
    UINT nResource;
};

// At most one core group and one plug-in group apply, so a selection holds at most 11 files.
struct PayloadSelection {
    PayloadFile files[11];
    int count;
};

// The files to stage, in writing order. Empty for systems without a payload set.
PayloadSelection SelectPayload(int osVersion, LANGID langSystem, short language);
