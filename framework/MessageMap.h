#pragma once
// Message maps resolved at compile time.
//
// A class declares DECLARE_MESSAGE_MAP() and defines its map in its source
// file between BEGIN_MESSAGE_MAP(Class, Base) and END_MESSAGE_MAP(). The map
// becomes the class's override of CWnd::ProcessWindowMessage: each entry is a
// test on the message that calls the handler and answers TRUE; a message no
// entry takes goes on to the base class's map, and from the last map to the
// window's original procedure. Handlers are called as ordinary (possibly
// virtual) members, so no member-function pointer is ever cast.

#define DECLARE_MESSAGE_MAP()                                                              \
public:                                                                                    \
    BOOL ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult) \
        override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                   \
    BOOL theClass::ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult) \
    {                                                                                            \
        typedef baseClass TheBaseClass;                                                          \
        (void)wParam;                                                                            \
        (void)lParam;                                                                            \
        (void)lResult;

#define END_MESSAGE_MAP()                                                         \
        return TheBaseClass::ProcessWindowMessage(message, wParam, lParam, lResult); \
    }

// WM_COMMAND from control (or menu item) id with notification code.
#define AFX_IS_COMMAND(id, code) \
    (message == WM_COMMAND && LOWORD(wParam) == (WORD)(id) && HIWORD(wParam) == (code))

#define ON_COMMAND(id, memberFn)                               \
    if (AFX_IS_COMMAND(id, 0) || AFX_IS_COMMAND(id, 1)) {      \
        memberFn();                                            \
        lResult = 0;                                           \
        return TRUE;                                           \
    }

#define ON_CONTROL(code, id, memberFn) \
    if (AFX_IS_COMMAND(id, code)) {    \
        memberFn();                    \
        lResult = 0;                   \
        return TRUE;                   \
    }

#define ON_BN_CLICKED(id, memberFn) ON_CONTROL(BN_CLICKED, id, memberFn)
#define ON_LBN_SELCHANGE(id, memberFn) ON_CONTROL(LBN_SELCHANGE, id, memberFn)

#define ON_MESSAGE(msg, memberFn)                 \
    if (message == (msg)) {                       \
        lResult = memberFn(wParam, lParam);       \
        return TRUE;                              \
    }

#define ON_WM_DESTROY()           \
    if (message == WM_DESTROY) {  \
        OnDestroy();              \
        lResult = 0;              \
        return TRUE;              \
    }

#define ON_WM_PAINT()           \
    if (message == WM_PAINT) {  \
        OnPaint();              \
        lResult = 0;            \
        return TRUE;            \
    }

#define ON_WM_SYSCOMMAND()                                  \
    if (message == WM_SYSCOMMAND) {                         \
        OnSysCommand(static_cast<UINT>(wParam), lParam);    \
        lResult = 0;                                        \
        return TRUE;                                        \
    }

#define ON_WM_QUERYDRAGICON()                                        \
    if (message == WM_QUERYDRAGICON) {                               \
        lResult = reinterpret_cast<LRESULT>(OnQueryDragIcon());      \
        return TRUE;                                                 \
    }

#define ON_WM_TIMER()                                        \
    if (message == WM_TIMER) {                               \
        OnTimer(static_cast<UINT_PTR>(wParam));              \
        lResult = 0;                                         \
        return TRUE;                                         \
    }

#define ON_WM_SHOWWINDOW()                                                      \
    if (message == WM_SHOWWINDOW) {                                             \
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));     \
        lResult = 0;                                                            \
        return TRUE;                                                            \
    }

#define ON_WM_ERASEBKGND()                                                  \
    if (message == WM_ERASEBKGND) {                                         \
        CDC dcErase(reinterpret_cast<HDC>(wParam));                         \
        lResult = OnEraseBkgnd(&dcErase);                                   \
        return TRUE;                                                        \
    }

// WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC, with the CTLCOLOR_ kind of control.
#define ON_WM_CTLCOLOR()                                                                  \
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {                   \
        CDC dcCtl(reinterpret_cast<HDC>(wParam));                                         \
        lResult = reinterpret_cast<LRESULT>(                                              \
            OnCtlColor(&dcCtl, CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),          \
                       message - WM_CTLCOLORMSGBOX));                                     \
        return TRUE;                                                                      \
    }
