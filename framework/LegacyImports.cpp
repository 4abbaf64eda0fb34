// The toolchain's thread and exception support (winpthreads, linked statically)
// imports three functions that Windows 2000 lacks (GetTickCount64 arrived with
// Vista, the vectored exception handlers with XP); a program importing them
// does not even start there. This file defines those import slots itself, so
// the linker takes them instead of the system's: each looks the function up at
// its first call and falls back when the system has none. It is compiled into
// every executable (a slot inside a library would be linked too late).

#include <windows.h>

namespace {

FARPROC Kernel32Function(const char* pszName)
{
    HMODULE hKernel = GetModuleHandleA("kernel32.dll");
    return hKernel ? GetProcAddress(hKernel, pszName) : nullptr;
}

template <typename F>
F Function(const char* pszName)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(Kernel32Function(pszName)));
}

ULONGLONG WINAPI TickCount64()
{
    static auto pfn = Function<ULONGLONG(WINAPI*)()>("GetTickCount64");
    return pfn ? pfn() : GetTickCount();
}

PVOID WINAPI AddExceptionHandler(ULONG first, PVECTORED_EXCEPTION_HANDLER pHandler)
{
    static auto pfn = Function<PVOID(WINAPI*)(ULONG, PVECTORED_EXCEPTION_HANDLER)>("AddVectoredExceptionHandler");
    return pfn ? pfn(first, pHandler) : nullptr;
}

ULONG WINAPI RemoveExceptionHandler(PVOID hHandler)
{
    static auto pfn = Function<ULONG(WINAPI*)(PVOID)>("RemoveVectoredExceptionHandler");
    return pfn ? pfn(hHandler) : 0;
}

} // namespace

// The import slots, under the names the linker gives them on each architecture.
#ifdef _WIN64
#define IMPORT_SLOT(name, decorated) __asm__("__imp_" #name)
#else
#define IMPORT_SLOT(name, decorated) __asm__("__imp__" #name "@" #decorated)
#endif

extern "C" {
__attribute__((used)) const void* slotGetTickCount64 IMPORT_SLOT(GetTickCount64, 0) =
    reinterpret_cast<const void*>(&TickCount64);
__attribute__((used)) const void* slotAddVectoredExceptionHandler IMPORT_SLOT(AddVectoredExceptionHandler, 8) =
    reinterpret_cast<const void*>(&AddExceptionHandler);
__attribute__((used)) const void* slotRemoveVectoredExceptionHandler IMPORT_SLOT(RemoveVectoredExceptionHandler, 4) =
    reinterpret_cast<const void*>(&RemoveExceptionHandler);
}
