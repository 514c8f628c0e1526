// DialogAnswer.cpp: a thread timer that finds the awaited dialog, fills it and presses its button.
#include "DialogAnswer.h"

namespace
{

struct PendingAnswer
{
    std::string title;
    std::function<void(HWND)> fill;
    WPARAM wButton = IDOK;
    std::string text;  // a message box's text
    CRect rect;        // where it showed
    bool bAnswered = false;
};
PendingAnswer g_answer;

void CALLBACK AnswerTick(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    HWND hWnd = ::FindWindow("#32770", g_answer.title.c_str());
    if (!hWnd || !::IsWindowVisible(hWnd))
        return;
    ::KillTimer(nullptr, idEvent);
    if (g_answer.fill)
        g_answer.fill(hWnd);
    char szText[512] = "";
    ::GetDlgItemText(hWnd, 0xFFFF, szText, sizeof szText);
    g_answer.text = szText;
    ::GetWindowRect(hWnd, &g_answer.rect);
    g_answer.bAnswered = true;
    ::PostMessage(hWnd, WM_COMMAND, g_answer.wButton, 0);
}

void RunAnswering(PendingAnswer answer, const std::function<void()>& action)
{
    g_answer = std::move(answer);
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, AnswerTick);
    action();
    if (!g_answer.bAnswered)
        ::KillTimer(nullptr, nTimer);
}

}  // namespace

std::string Answering(const char* pszTitle, std::function<void(HWND)> fill, const std::function<void()>& action)
{
    RunAnswering({pszTitle, std::move(fill)}, action);
    return g_answer.bAnswered ? g_answer.text : std::string();
}

CRect ShownAt(const char* pszTitle, const std::function<void()>& action)
{
    RunAnswering({pszTitle, nullptr, IDCANCEL}, action);
    return g_answer.bAnswered ? g_answer.rect : CRect();
}
