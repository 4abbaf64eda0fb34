#pragma once
// CWnd: a window object bound to a window handle.
//
// A permanent object is bound with Attach or SubclassWindow and found again
// with FromHandlePermanent. A subclassed window's messages go through
// ProcessWindowMessage (the message map) and, when no entry takes them, to
// the window's original procedure; Default() passes the message being
// handled on to that procedure. FromHandle also answers for windows that
// have no object of their own, with a temporary object that lives until the
// modal loop is next idle.

#include "Gdi.h"
#include "MessageMap.h"
#include "Object.h"
#include "String.h"

#include <windows.h>

class CWnd : public CObject {
public:
    CWnd() = default;
    ~CWnd() override;

    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);
    static void DeleteTempMap();

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Attach and route the window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    // Message handling.
    virtual BOOL ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    LRESULT Default();
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

    // Window state.
    BOOL DestroyWindow();
    void SetWindowText(LPCSTR psz) { ::SetWindowTextA(m_hWnd, psz); }
    void GetWindowText(CString& str) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    BOOL SetWindowPos(HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    {
        return ::SetWindowPos(m_hWnd, hWndInsertAfter, x, y, cx, cy, nFlags);
    }
    void GetWindowRect(LPRECT pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void GetClientRect(LPRECT pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void ScreenToClient(LPRECT pRect) const;
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, NULL, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC pfnTimer)
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, pfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    CMenu* GetSystemMenu(BOOL bRevert);

    // Default handlers: the window's original procedure does the work.
    void OnDestroy() { Default(); }
    void OnPaint() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    HCURSOR OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

    HWND m_hWnd = NULL;

protected:
    // Called after the window has received its last message (WM_NCDESTROY).
    virtual void PostNcDestroy() {}
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;

private:
    CMenu m_menuSystem;
};
