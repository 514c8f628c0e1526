// The program starts, shows its main window titled "Kestova", and ends with
// exit code 0 when that window is closed.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct WindowQuery {
    const char* pszTitle;
    DWORD dwProcessId;
    HWND hWndFound;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    WindowQuery* pQuery = reinterpret_cast<WindowQuery*>(lParam);
    DWORD dwOwner = 0;
    char szTitle[64] = "";
    ::GetWindowThreadProcessId(hWnd, &dwOwner);
    if (dwOwner != pQuery->dwProcessId || !::IsWindowVisible(hWnd) ||
        !::GetWindowText(hWnd, szTitle, sizeof szTitle) || lstrcmp(szTitle, pQuery->pszTitle) != 0)
        return TRUE;
    pQuery->hWndFound = hWnd;
    return FALSE;
}

// The process's own shown top-level window with the title: it exists before
// it is shown, and other programs on the same desktop may show one titled alike.
HWND WaitForWindow(const char* pszTitle, DWORD dwProcessId)
{
    for (int i = 0; i < 200; i++) {
        WindowQuery query = {pszTitle, dwProcessId, nullptr};
        ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.hWndFound)
            return query.hWndFound;
        ::Sleep(50);
    }
    return nullptr;
}

}  // namespace

TEST(Startup, MainWindowShowsAndClosingItEndsTheProgram)
{
    char szCommand[] = "kestova.exe";
    STARTUPINFO si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcess(nullptr, szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    HWND hWnd = WaitForWindow("Kestova", pi.dwProcessId);
    EXPECT_TRUE(hWnd != nullptr);
    if (hWnd) {
        EXPECT_TRUE(::IsWindowVisible(hWnd));
        EXPECT_TRUE(::GetMenu(hWnd) == nullptr || ::IsMenu(::GetMenu(hWnd)));
        ::PostMessage(hWnd, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 20000));
    DWORD dwExitCode = 1;
    ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    EXPECT_EQ(0u, dwExitCode);
    if (dwExitCode == STILL_ACTIVE)
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}
