#pragma once
// Writing OWNER_DATA resources of the program's own file to disk.

#include <windows.h>

enum class ResourceWrite {
    Written,       // the file holds exactly the resource's bytes
    NoResource,    // no such resource (or it cannot be loaded): nothing written
    NotCreated,    // the file could not be created: nothing written
    WriteFailed,   // the bytes could not all be written: the partial file is removed
};

// Writes resource nID of type "OWNER_DATA" to pszPath, replacing any file there.
// After WriteFailed (and NotCreated) GetLastError() holds the system's error code.
ResourceWrite WriteResourceFile(UINT nID, LPCSTR pszPath);
