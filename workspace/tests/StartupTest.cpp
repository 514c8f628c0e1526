// The program starts, shows its main window titled "Kestova", and ends with
// exit code 0 when that window is closed.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

HWND WaitForWindow(const char* pszTitle, DWORD dwProcessId)
{
    for (int i = 0; i < 200; i++) {
        HWND hWnd = ::FindWindow(nullptr, pszTitle);
        DWORD dwOwner = 0;
        if (hWnd && ::GetWindowThreadProcessId(hWnd, &dwOwner) && dwOwner == dwProcessId)
            return hWnd;
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
