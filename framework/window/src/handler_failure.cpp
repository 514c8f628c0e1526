// What the user is told when an exception ends a message handler: never nothing, and for any
// exception but the framework's own, what the handler was doing.
#include "afxpriv.h"
#include "afxwin.h"
#include "wnd_internal.h"

#include <new>

namespace
{

// The command's name from its string ("prompt\nname"), else its prompt; empty when it has none.
CString CommandName(UINT nID)
{
    CString strText;
    if (!strText.LoadString(nID))
        return CString();
    CString strName;
    if (AfxExtractSubString(strName, strText, 1) && !strName.IsEmpty())
        return strName;
    AfxExtractSubString(strName, strText, 0);
    return strName;
}

// What the handler of the message being dispatched on this thread was doing, in the user's words.
CString WhatWasDone()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    CString strWhat;
    switch (msg.message)
    {
    case WM_COMMAND:
        strWhat = CommandName(LOWORD(msg.wParam));
        if (strWhat.IsEmpty())
            strWhat.Format("The command %u", unsigned(LOWORD(msg.wParam)));
        return strWhat;
    case WM_CLOSE:
        return "Closing the window";
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
        return "Ending the session";
    default:
        strWhat.Format("Handling the window message 0x%04X", msg.message);
        return strWhat;
    }
}

thread_local bool t_bReporting = false;  // a report's box is up on this thread

// One box at a time: a handler that fails again under the box (a paint) would otherwise open boxes
// without end.
void Report(const CString& strText)
{
    if (t_bReporting)
    {
        ::OutputDebugString(strText);
        return;
    }
    t_bReporting = true;
    AfxMessageBox(strText, MB_ICONEXCLAMATION);
    t_bReporting = false;
}

}  // namespace

void AfxReportHandlerException(CException* e)
{
    char szMessage[512];
    if (!e->GetErrorMessage(szMessage, sizeof szMessage))
        lstrcpyn(szMessage, "An unknown error has occurred.", sizeof szMessage);
    e->Delete();
    Report(szMessage);
}

void AfxReportStandardException(const std::exception* e)
{
    CString strWhy = "an unknown error";
    if (dynamic_cast<const std::bad_alloc*>(e))
        strWhy = "not enough memory";
    else if (e && e->what()[0] != '\0')
        strWhy = e->what();
    Report(WhatWasDone() + " failed: " + strWhy);
}
