// The program starts, shows its main window titled "Kestova" with an empty MDI workspace, and ends
// with exit code 0 when that window is closed; its image may address more than 2 GB and loads no
// library the first window does not need; a big project named on its command line fills the tree of
// a frame already shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "MessagePump.h"
#include "NearColor.h"
#include "PixelImage.h"
#include "SampleDesigns.h"
#include "Screenshot.h"
#include "TestFolder.h"
#include "TreeView.h"
#include "project/ProjectFile.h"

namespace
{

struct WindowQuery
{
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
    if (dwOwner != pQuery->dwProcessId || !::IsWindowVisible(hWnd) || !::GetWindowText(hWnd, szTitle, sizeof szTitle) ||
        lstrcmp(szTitle, pQuery->pszTitle) != 0)
        return TRUE;
    pQuery->hWndFound = hWnd;
    return FALSE;
}

// The process's own shown top-level window with the title: it exists before
// it is shown, and other programs on the same desktop may show one titled alike.
HWND WaitForWindow(const char* pszTitle, DWORD dwProcessId)
{
    WindowQuery query = {pszTitle, dwProcessId, nullptr};
    PumpUntil(
        [&query]
        {
            ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
            return query.hWndFound != nullptr;
        },
        kColdWineDeadlineMs);
    return query.hWndFound;
}

// The middle of the workspace as the screen shows it, once the program has painted it.
COLORREF WorkspaceColour(HWND hClient)
{
    RECT rc;
    ::GetWindowRect(hClient, &rc);
    const POINT ptMiddle = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    const COLORREF clrWorkspace = ::GetSysColor(COLOR_APPWORKSPACE);
    COLORREF clrShown = CLR_INVALID;
    PumpUntil(
        [&]
        {
            clrShown = CPixelImage::FromScreen({ptMiddle.x, ptMiddle.y, ptMiddle.x + 1, ptMiddle.y + 1}).Pixel(0, 0);
            return NearColor(clrShown, clrWorkspace, 0);
        },
        kColdWineDeadlineMs);
    return clrShown;
}

struct StartedProgram
{
    explicit StartedProgram(std::string strCommand)
    {
        STARTUPINFO si{};
        si.cb = sizeof si;
        bStarted = ::CreateProcess(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    }
    ~StartedProgram()
    {
        if (!bStarted)
            return;
        if (::WaitForSingleObject(pi.hProcess, 20000) != WAIT_OBJECT_0)
            ::TerminateProcess(pi.hProcess, 1);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    PROCESS_INFORMATION pi{};
    BOOL bStarted = FALSE;
};

UINT TreeCount(HWND hFrame)
{
    const HWND hTree = TreeViewOf(hFrame);
    DWORD_PTR nCount = 0;
    if (!hTree || !::SendMessageTimeout(hTree, TVM_GETCOUNT, 0, 0, SMTO_NORMAL, 1000, &nCount))
        return 0;
    return UINT(nCount);
}

}  // namespace

// Reading 30,000 fields takes a while: the window is there first, and the tree fills in it.
TEST(Startup, ABigProjectOnTheCommandLineFillsTheTreeOfAFrameAlreadyShown)
{
    CTestFolder folder("startup-big");
    const int nPackets = 1000, nFields = 30;
    CString strError;
    ASSERT_TRUE(WriteProjectFile(LargeProject(nPackets, nFields), folder.Path("Large.kvs").c_str(), &strError));
    // The root, the project, "Head" with four fields, "Packet" with the packets and their fields.
    const UINT nItems = 4 + 4 + nPackets * (1 + nFields);
    StartedProgram program("kestova.exe \"" + folder.Path("Large.kvs") + "\"");
    ASSERT_TRUE(program.bStarted);
    HWND hWnd = WaitForWindow("Kestova", program.pi.dwProcessId);
    ASSERT_TRUE(hWnd != nullptr);
    EXPECT_LT(TreeCount(hWnd), nItems) << "the frame showed only once the tree was full";
    EXPECT_TRUE(PumpUntil([&] { return TreeCount(hWnd) == nItems; }, 60000));
    ::PostMessage(hWnd, WM_CLOSE, 0, 0);
}

TEST(Startup, MainWindowShowsAnEmptyWorkspaceAndClosingItEndsTheProgram)
{
    char szCommand[] = "kestova.exe";
    STARTUPINFO si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcess(nullptr, szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    HWND hWnd = WaitForWindow("Kestova", pi.dwProcessId);
    EXPECT_TRUE(hWnd != nullptr);
    if (hWnd)
    {
        ::SetForegroundWindow(hWnd);
        HWND hClient = ::FindWindowExA(hWnd, nullptr, "MDIClient", nullptr);
        EXPECT_TRUE(hClient != nullptr) << "the main window is an MDI frame";
        if (hClient)
        {
            EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), WorkspaceColour(hClient)) << "no document is open";
        }
        EXPECT_FALSE(SaveScreenshot(hWnd, "kestova-startup").empty());
        ::PostMessage(hWnd, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, kColdWineDeadlineMs));
    DWORD dwExitCode = 1;
    ::GetExitCodeProcess(pi.hProcess, &dwExitCode);
    EXPECT_EQ(0u, dwExitCode);
    if (dwExitCode == STILL_ACTIVE)
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

// The program's image as it lies on disk.
class CProgramImage
{
public:
    CProgramImage()
    {
        std::ifstream program("kestova.exe", std::ios::binary);
        m_bytes.assign(std::istreambuf_iterator<char>(program), std::istreambuf_iterator<char>());
    }
    const IMAGE_NT_HEADERS32* Headers() const
    {
        const auto* pDos = At<IMAGE_DOS_HEADER>(0);
        const auto* pNt = pDos ? At<IMAGE_NT_HEADERS32>(DWORD(pDos->e_lfanew)) : nullptr;
        return pNt && pNt->Signature == IMAGE_NT_SIGNATURE ? pNt : nullptr;
    }
    // The libraries the loader brings in before the program's first line runs, in lower case.
    std::set<std::string> ImportedLibraries() const
    {
        std::set<std::string> libraries;
        const IMAGE_NT_HEADERS32* pNt = Headers();
        const DWORD dwImports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (const auto* pEntry = At<IMAGE_IMPORT_DESCRIPTOR>(FileOffset(dwImports)); pEntry && pEntry->Name; pEntry++)
        {
            std::string strName(&m_bytes[FileOffset(pEntry->Name)]);
            std::transform(strName.begin(), strName.end(), strName.begin(), ::tolower);
            libraries.insert(strName);
        }
        return libraries;
    }

private:
    template <typename T>
    const T* At(DWORD dwOffset) const
    {
        return dwOffset + sizeof(T) <= m_bytes.size() ? reinterpret_cast<const T*>(&m_bytes[dwOffset]) : nullptr;
    }
    DWORD FileOffset(DWORD dwRva) const
    {
        const IMAGE_NT_HEADERS32* pNt = Headers();
        const auto* pSection = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
            reinterpret_cast<const BYTE*>(&pNt->OptionalHeader) + pNt->FileHeader.SizeOfOptionalHeader);
        for (WORD i = 0; i < pNt->FileHeader.NumberOfSections; i++, pSection++)
            if (dwRva >= pSection->VirtualAddress && dwRva < pSection->VirtualAddress + pSection->Misc.VirtualSize)
                return dwRva - pSection->VirtualAddress + pSection->PointerToRawData;
        return DWORD(m_bytes.size());
    }

    std::string m_bytes;
};

TEST(Startup, TheProgramMayUseTheWholeAddressSpaceOfA32BitProcess)
{
    const CProgramImage image;
    ASSERT_TRUE(image.Headers());
    EXPECT_TRUE(image.Headers()->FileHeader.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE);
}

// Each library costs the start its loading; sound, glass, blits with a mask colour, screen readers'
// texts and object verb menus load theirs when first used. The system's own layer is in every process
// before the program starts, so naming it costs nothing.
TEST(Startup, TheProgramLoadsOnlyTheLibrariesItsFirstWindowNeeds)
{
    const CProgramImage image;
    ASSERT_TRUE(image.Headers());
    const std::set<std::string> expected = {"advapi32.dll", "comctl32.dll", "comdlg32.dll", "gdi32.dll",
                                            "kernel32.dll", "msvcrt.dll",   "ntdll.dll",    "ole32.dll",
                                            "shell32.dll",  "user32.dll"};
    EXPECT_EQ(expected, image.ImportedLibraries());
}
