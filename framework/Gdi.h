#pragma once
// Thin owners of GDI handles: device contexts, brushes, fonts, and menus.

#include "Object.h"

#include <windows.h>

class CWnd;

// A device context borrowed from a message; never released by this object.
class CDC : public CObject {
public:
    explicit CDC(HDC hDC = NULL) : m_hDC(hDC) {}
    HDC GetSafeHdc() const { return m_hDC; }
    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

    HDC m_hDC;
};

// BeginPaint / EndPaint around the lifetime of the object.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// A GDI object that this wrapper deletes when it is destroyed.
class CGdiObject : public CObject {
public:
    ~CGdiObject() override { DeleteObject(); }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ h);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    HGDIOBJ m_hObject = NULL;
};

class CBrush : public CGdiObject {
public:
    BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTA* pLogFont) { return Attach(::CreateFontIndirectA(pLogFont)); }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

// A menu handle; the object does not destroy the menu (the system menu belongs to its window).
class CMenu : public CObject {
public:
    explicit CMenu(HMENU hMenu = NULL) : m_hMenu(hMenu) {}
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR pszNewItem = NULL)
    {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, pszNewItem);
    }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    HMENU m_hMenu;
};
