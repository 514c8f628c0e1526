// Readable names of window messages for failure output.
#include "MessageNames.h"

#include <cstdio>

#define KT_MESSAGE(name)                                                                                               \
    {                                                                                                                  \
        name, #name                                                                                                    \
    }

namespace
{

const struct
{
    UINT message;
    const char* pszName;
} kNames[] = {
    KT_MESSAGE(WM_CREATE),
    KT_MESSAGE(WM_DESTROY),
    KT_MESSAGE(WM_MOVE),
    KT_MESSAGE(WM_SIZE),
    KT_MESSAGE(WM_ACTIVATE),
    KT_MESSAGE(WM_SETFOCUS),
    KT_MESSAGE(WM_KILLFOCUS),
    KT_MESSAGE(WM_ENABLE),
    KT_MESSAGE(WM_SETTEXT),
    KT_MESSAGE(WM_PAINT),
    KT_MESSAGE(WM_CLOSE),
    KT_MESSAGE(WM_ERASEBKGND),
    KT_MESSAGE(WM_SHOWWINDOW),
    KT_MESSAGE(WM_SETCURSOR),
    KT_MESSAGE(WM_MOUSEACTIVATE),
    KT_MESSAGE(WM_NOTIFY),
    KT_MESSAGE(WM_CONTEXTMENU),
    KT_MESSAGE(WM_NCHITTEST),
    KT_MESSAGE(WM_KEYDOWN),
    KT_MESSAGE(WM_KEYUP),
    KT_MESSAGE(WM_CHAR),
    KT_MESSAGE(WM_SYSKEYDOWN),
    KT_MESSAGE(WM_SYSKEYUP),
    KT_MESSAGE(WM_SYSCHAR),
    KT_MESSAGE(WM_COMMAND),
    KT_MESSAGE(WM_SYSCOMMAND),
    KT_MESSAGE(WM_TIMER),
    KT_MESSAGE(WM_HSCROLL),
    KT_MESSAGE(WM_VSCROLL),
    KT_MESSAGE(WM_INITMENU),
    KT_MESSAGE(WM_INITMENUPOPUP),
    KT_MESSAGE(WM_MENUSELECT),
    KT_MESSAGE(WM_MOUSEMOVE),
    KT_MESSAGE(WM_LBUTTONDOWN),
    KT_MESSAGE(WM_LBUTTONUP),
    KT_MESSAGE(WM_LBUTTONDBLCLK),
    KT_MESSAGE(WM_RBUTTONDOWN),
    KT_MESSAGE(WM_RBUTTONUP),
    KT_MESSAGE(WM_RBUTTONDBLCLK),
    KT_MESSAGE(WM_MBUTTONDOWN),
    KT_MESSAGE(WM_MBUTTONUP),
    KT_MESSAGE(WM_MOUSEWHEEL),
    KT_MESSAGE(WM_PARENTNOTIFY),
    KT_MESSAGE(WM_CAPTURECHANGED),
    KT_MESSAGE(WM_MOUSELEAVE),
    KT_MESSAGE(WM_MOUSEHOVER),
    KT_MESSAGE(WM_CTLCOLORBTN),
    KT_MESSAGE(WM_DRAWITEM),
    KT_MESSAGE(WM_MEASUREITEM),
    KT_MESSAGE(WM_SETFONT),
    KT_MESSAGE(WM_GETFONT),
    KT_MESSAGE(WM_NCDESTROY),
    KT_MESSAGE(WM_WINDOWPOSCHANGING),
    KT_MESSAGE(WM_WINDOWPOSCHANGED),
    KT_MESSAGE(WM_USER),
};

}  // namespace

std::string MessageName(UINT message)
{
    for (const auto& entry : kNames)
        if (entry.message == message)
            return entry.pszName;
    char szNumber[16];
    std::snprintf(szNumber, sizeof szNumber, "0x%04X", message);
    return szNumber;
}
