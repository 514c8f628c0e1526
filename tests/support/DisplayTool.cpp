// The X display's own input tool, started from a test under Wine: keys held on the display, and which
// window the display gives the keyboard.
#include "DisplayTool.h"

#include "MessagePump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{
// A Unix program that Wine starts by its Unix path; it reaches the display through DISPLAY, which Wine
// hands on from the session.
const char kTool[] = "Z:\\usr\\bin\\xdotool";

// Closes a handle it holds, on every path.
class CHandle
{
public:
    explicit CHandle(HANDLE h = nullptr) : m_h(h) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    HANDLE Get() const { return m_h; }
    bool IsValid() const { return m_h && m_h != INVALID_HANDLE_VALUE; }
    void Close()
    {
        if (IsValid())
            ::CloseHandle(m_h);
        m_h = nullptr;
    }

private:
    HANDLE m_h;
};

// Its input is NUL, its output and errors go to hOutput (NUL too when none): Wine would otherwise pass on the
// test's own handles, and the tool's words would cut a redirected log short.
bool Launch(const std::string& strArguments, HANDLE hOutput)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    CHandle nul(::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                              OPEN_EXISTING, 0, nullptr));
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = nul.Get();
    si.hStdError = hOutput ? hOutput : nul.Get();
    si.hStdOutput = hOutput ? hOutput : nul.Get();
    PROCESS_INFORMATION pi = {};
    std::string strCommand = std::string(kTool) + " " + strArguments;
    if (!::CreateProcessA(kTool, &strCommand[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
    {
        ADD_FAILURE() << "could not start " << kTool << " (error " << ::GetLastError()
                      << "); scripts/setup installs it";
        return false;
    }
    CHandle process(pi.hProcess), thread(pi.hThread);
    return true;
}

struct SXWindowSearch
{
    ULONG_PTR nXWindow;
    HWND hFound;
};

BOOL CALLBACK MatchXWindow(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<SXWindowSearch*>(lParam);
    if (reinterpret_cast<ULONG_PTR>(::GetPropA(hWnd, "__wine_x11_whole_window")) != pSearch->nXWindow)
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}
}  // namespace

namespace DisplayTool
{
bool Start(const std::string& strArguments) { return Launch(strArguments, nullptr); }

// Through a file: Wine hands a Unix program a file's descriptor, but not a pipe's.
std::string Line(const std::string& strArguments)
{
    char szFolder[MAX_PATH] = "", szPath[MAX_PATH] = "";
    if (!::GetTempPathA(MAX_PATH, szFolder) || !::GetTempFileNameA(szFolder, "kto", 0, szPath))
    {
        ADD_FAILURE() << "no file for " << kTool << "'s output (error " << ::GetLastError() << ")";
        return std::string();
    }
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    CHandle file(::CreateFileA(szPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                               CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    std::string strOutput;
    if (!file.IsValid() || !Launch(strArguments, file.Get()))
        return strOutput;
    // A question, so no messages are handled meanwhile: the answer is the display's, not a later state's.
    for (const DWORD dwStart = ::GetTickCount(); strOutput.find('\n') == std::string::npos;)
    {
        char szBuffer[256];
        DWORD dwRead = 0;
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(strOutput.size());
        if (::ReadFile(file.Get(), szBuffer, sizeof szBuffer, &dwRead, &at) && dwRead)
            strOutput.append(szBuffer, dwRead);
        else if (::GetTickCount() - dwStart > kColdWineDeadlineMs)
            break;
        else
            ::Sleep(5);  // the tool writes at its own pace; nothing here to wait on
    }
    return strOutput.substr(0, strOutput.find('\n'));
}

// Wine stamps its own request with a time it estimated from the first X event it read: on a busy start that
// estimate lags, and the display refuses any request older than its last focus change. The tool asks with the
// display's current time.
bool GiveKeyboard(HWND hWnd)
{
    const auto nXWindow = reinterpret_cast<ULONG_PTR>(::GetPropA(hWnd, "__wine_x11_whole_window"));
    return nXWindow && Start("windowfocus " + std::to_string(nXWindow));
}

HWND KeyboardWindow()
{
    SXWindowSearch search = {std::strtoul(Line("getwindowfocus -f").c_str(), nullptr, 10), nullptr};
    if (search.nXWindow)
        ::EnumThreadWindows(::GetCurrentThreadId(), MatchXWindow, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}
}  // namespace DisplayTool
