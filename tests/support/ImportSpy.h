#pragma once
// Replaces a function that this executable imports from a DLL by another one,
// by rewriting the executable's own import address table. Lets a test see
// which system call the code under test made (and with what arguments), while
// the real function still does the work. Undone when the spy is destroyed.

#include <windows.h>

class ImportSpy {
public:
    // dllName is matched without regard to case ("winspool.drv").
    ImportSpy(const char* dllName, const char* functionName, void* replacement);
    ~ImportSpy();
    ImportSpy(const ImportSpy&) = delete;
    ImportSpy& operator=(const ImportSpy&) = delete;

    bool Installed() const { return m_slot != nullptr; }
    // The function the table held before.
    void* Original() const { return m_original; }

private:
    void** m_slot = nullptr;
    void* m_original = nullptr;
};
