// DialogDriver.cpp: a small state machine run from a timer inside the dialog's and the box's loops.
#include "DialogDriver.h"

#include "TestApp.h"

#include <memory>

namespace
{

struct BoxSearch
{
    const char* pszTitle;
    HWND hBox;
};

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<BoxSearch*>(lParam);
    char szClass[16] = "", szTitle[16] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    ::GetWindowText(hWnd, szTitle, sizeof szTitle);
    if (!::IsWindowVisible(hWnd) || lstrcmp(szClass, "#32770") != 0 || lstrcmp(szTitle, pSearch->pszTitle) != 0)
        return TRUE;
    pSearch->hBox = hWnd;
    return FALSE;
}

HWND MessageBoxTitled(const char* pszTitle)
{
    BoxSearch search{pszTitle, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBox, (LPARAM)&search);
    return search.hBox;
}

HWND RefusalBox() { return MessageBoxTitled("ERROR!"); }

BOOL CALLBACK CollectStaticText(HWND hChild, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassName(hChild, szClass, sizeof szClass);
    char szText[1024] = "";
    if (lstrcmpi(szClass, "Static") == 0 && ::GetWindowText(hChild, szText, sizeof szText) > 0)
        *reinterpret_cast<std::string*>(lParam) = szText;
    return TRUE;
}

struct DriverState
{
    std::vector<DialogStep> attempts;
    std::vector<std::string>* pRefusals;
    CDialog* pDlg;
    size_t nNext = 0;
    bool bWaiting = false;

    BOOL Tick()
    {
        HWND hDlg = pDlg->GetSafeHwnd();
        if (!hDlg)
            return TRUE;
        if (bWaiting)
            return AnswerRefusal();
        if (!::IsWindowVisible(hDlg) || !::IsWindowEnabled(hDlg))
            return FALSE;
        if (nNext == attempts.size())
        {
            ::PostMessage(hDlg, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
        attempts[nNext++](hDlg);
        bWaiting = true;
        ::PostMessage(hDlg, WM_COMMAND, IDOK, 0);
        return FALSE;
    }

    BOOL AnswerRefusal()
    {
        HWND hActive = RefusalBox();
        if (!hActive)
            return FALSE;
        std::string strText;
        ::EnumChildWindows(hActive, CollectStaticText, (LPARAM)&strText);
        pRefusals->push_back(strText);
        ::PostMessage(hActive, WM_COMMAND, IDOK, 0);
        bWaiting = false;
        return FALSE;
    }
};

}  // namespace

DialogRun RunDialog(CDialog& dlg, std::vector<DialogStep> attempts)
{
    DialogRun run;
    auto state = std::make_shared<DriverState>();
    state->attempts = std::move(attempts);
    state->pRefusals = &run.refusals;
    state->pDlg = &dlg;
    RunFromTimer([state] { return state->Tick(); });
    run.nResult = dlg.DoModal();
    PumpPending();
    return run;
}

namespace
{

std::string AnswerBox(const char* pszTitle, const std::function<void()>& action, int nAnswer)
{
    auto strText = std::make_shared<std::string>();
    RunFromTimer(
        [strText, pszTitle, nAnswer]
        {
            HWND hBox = MessageBoxTitled(pszTitle);
            if (!hBox)
                return FALSE;
            ::EnumChildWindows(hBox, CollectStaticText, (LPARAM)strText.get());
            ::PostMessage(hBox, WM_COMMAND, nAnswer, 0);
            return TRUE;
        });
    action();
    RunFromTimer([] { return TRUE; });
    PumpPending();
    return *strText;
}

}  // namespace

std::string AnswerRefusal(const std::function<void()>& action) { return AnswerBox("ERROR!", action, IDOK); }

std::string AnswerQuestion(const std::function<void()>& action, int nAnswer)
{
    return AnswerBox("WARNING!", action, nAnswer);
}
