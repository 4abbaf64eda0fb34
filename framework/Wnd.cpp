#include "Wnd.h"

#include <map>
#include <memory>

namespace {

// The handle maps, created on first use and kept for the life of the process.
std::map<HWND, CWnd*>& PermanentMap()
{
    static std::map<HWND, CWnd*>* pMap;
    if (!pMap) pMap = new std::map<HWND, CWnd*>;
    return *pMap;
}

std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap()
{
    static std::map<HWND, std::unique_ptr<CWnd>>* pMap;
    if (!pMap) pMap = new std::map<HWND, std::unique_ptr<CWnd>>;
    return *pMap;
}

// The message that the innermost WindowProc call is handling, for Default().
// The framework's windows live on the program's one user-interface thread.
const MSG* t_pCurrentMessage = nullptr;

} // namespace

CWnd::~CWnd()
{
    if (m_hWnd && m_pfnSuper && ::IsWindow(m_hWnd)) {
        DestroyWindow();
    }
    Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd) return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
    std::unique_ptr<CWnd>& temp = TemporaryMap()[hWnd];
    if (!temp) {
        temp.reset(new CWnd);
        temp->m_hWnd = hWnd;
    }
    return temp.get();
}

void CWnd::DeleteTempMap()
{
    for (auto& entry : TemporaryMap()) entry.second->m_hWnd = NULL;
    TemporaryMap().clear();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (!hWnd || m_hWnd) return FALSE;
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd) {
        auto it = PermanentMap().find(hWnd);
        if (it != PermanentMap().end() && it->second == this) PermanentMap().erase(it);
        if (m_pfnSuper && ::IsWindow(hWnd) &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == WindowProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_hWnd = NULL;
    m_pfnSuper = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd)) return FALSE;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    return TRUE;
}

LRESULT CALLBACK CWnd::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (!pWnd || !pWnd->m_pfnSuper) return ::DefWindowProcA(hWnd, message, wParam, lParam);

    const MSG msg = {hWnd, message, wParam, lParam, 0, {0, 0}};
    const MSG* pOuter = t_pCurrentMessage;
    t_pCurrentMessage = &msg;

    LRESULT lResult = 0;
    if (!pWnd->ProcessWindowMessage(message, wParam, lParam, lResult))
        lResult = ::CallWindowProcA(pWnd->m_pfnSuper, hWnd, message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        pWnd->Detach();
        pWnd->PostNcDestroy();
    }
    t_pCurrentMessage = pOuter;
    return lResult;
}

BOOL CWnd::ProcessWindowMessage(UINT, WPARAM, LPARAM, LRESULT&)
{
    return FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = t_pCurrentMessage;
    if (!pMsg || pMsg->hwnd != m_hWnd || !m_pfnSuper) return 0;
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, pMsg->message, pMsg->wParam, pMsg->lParam);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd) return FALSE;
    HWND hWnd = m_hWnd;
    const BOOL ok = ::DestroyWindow(hWnd);
    // A window that was only attached sees no WM_NCDESTROY of ours: drop the binding here.
    if (m_hWnd == hWnd && !::IsWindow(hWnd)) Detach();
    return ok;
}

void CWnd::GetWindowText(CString& str) const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    LPSTR buffer = str.GetBuffer(length + 1);
    const int copied = ::GetWindowTextA(m_hWnd, buffer, length + 1);
    str.ReleaseBuffer(copied);
}

void CWnd::ScreenToClient(LPRECT pRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(pRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(pRect) + 1);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
    const LONG_PTR newStyle = (style & ~static_cast<LONG_PTR>(dwRemove)) | dwAdd;
    if (style == newStyle) return FALSE;
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, newStyle);
    if (nFlags)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert)
{
    m_menuSystem.m_hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    return m_menuSystem.m_hMenu ? &m_menuSystem : nullptr;
}
