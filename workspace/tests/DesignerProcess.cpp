// Drives the real designer from the test process: start, windows, tree items through memory
// lent in the program, keys through SendInput.
#include "DesignerProcess.h"

#include <commctrl.h>

#include <cstring>
#include <functional>

#include "HeldKeys.h"
#include "InputBuilder.h"
#include "MessagePump.h"
#include "TestInput.h"

namespace
{

const UINT kTreeId = 255;

// Memory in the program, for messages whose pointers the program reads or fills.
class CRemoteMemory
{
public:
    CRemoteMemory(HANDLE hProcess, SIZE_T nSize)
        : m_hProcess(hProcess), m_p(::VirtualAllocEx(hProcess, nullptr, nSize, MEM_COMMIT, PAGE_READWRITE))
    {
    }
    ~CRemoteMemory()
    {
        if (m_p)
            ::VirtualFreeEx(m_hProcess, m_p, 0, MEM_RELEASE);
    }
    CRemoteMemory(const CRemoteMemory&) = delete;
    CRemoteMemory& operator=(const CRemoteMemory&) = delete;

    char* Address() const { return static_cast<char*>(m_p); }
    bool Write(SIZE_T nOffset, const void* pData, SIZE_T nSize) const
    {
        return m_p && ::WriteProcessMemory(m_hProcess, Address() + nOffset, pData, nSize, nullptr);
    }
    bool Read(const void* pRemote, void* pData, SIZE_T nSize) const
    {
        return ::ReadProcessMemory(m_hProcess, pRemote, pData, nSize, nullptr);
    }

private:
    HANDLE m_hProcess;
    void* m_p;
};

struct WindowSearch
{
    DWORD dwProcessId;
    const char* pszClass;
    const char* pszTitle;
    HWND hFound;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    WindowSearch* pSearch = reinterpret_cast<WindowSearch*>(lParam);
    DWORD dwOwner = 0;
    ::GetWindowThreadProcessId(hWnd, &dwOwner);
    char szClass[64] = "", szTitle[256] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    ::GetWindowText(hWnd, szTitle, sizeof szTitle);
    if (dwOwner != pSearch->dwProcessId || !::IsWindowVisible(hWnd) ||
        (pSearch->pszClass && lstrcmp(szClass, pSearch->pszClass) != 0) ||
        (pSearch->pszTitle && lstrcmp(szTitle, pSearch->pszTitle) != 0))
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// The output pane is the frame's one read-only multi-line edit.
BOOL CALLBACK MatchOutput(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    const LONG lStyle = ::GetWindowLong(hWnd, GWL_STYLE);
    if (lstrcmpi(szClass, "Edit") != 0 || (lStyle & (ES_READONLY | ES_MULTILINE)) != (ES_READONLY | ES_MULTILINE))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

HWND WaitForTopLevel(DWORD dwProcessId, const char* pszClass, const char* pszTitle, DWORD dwTimeoutMs)
{
    WindowSearch search = {dwProcessId, pszClass, pszTitle, nullptr};
    PumpUntil(
        [&search]
        {
            ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.hFound != nullptr;
        },
        dwTimeoutMs);
    return search.hFound;
}

struct WindowCount
{
    DWORD dwProcessId;
    const char* pszClass;
    int nShown;
};

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    WindowCount* pCount = reinterpret_cast<WindowCount*>(lParam);
    WindowSearch search = {pCount->dwProcessId, pCount->pszClass, nullptr, nullptr};
    if (!MatchWindow(hWnd, reinterpret_cast<LPARAM>(&search)))
        pCount->nShown++;
    return TRUE;
}

BOOL CALLBACK MatchTree(HWND hWnd, LPARAM lParam)
{
    char szClass[64] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    if (::GetDlgCtrlID(hWnd) != kTreeId || lstrcmpi(szClass, WC_TREEVIEW) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

INPUT KeyInput(WORD wVirtualKey, bool bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVirtualKey;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool SendInputs(std::vector<INPUT> inputs)
{
    return ::SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT)) == inputs.size();
}

const int kTextRoom = 1024;

std::string ClassOf(HWND hWnd)
{
    char szClass[64] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    return szClass;
}

// Another process's window gives its text only through the message, which the system carries across.
std::string WindowText(HWND hWnd)
{
    std::string strText((size_t)::SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    strText.resize((size_t)::SendMessage(hWnd, WM_GETTEXT, strText.size(), (LPARAM)&strText[0]));
    return strText;
}

// One item of the other process's tree, asked through memory of that process (4 KB: the item, then its text).
TVITEM ReadRemoteItem(HWND hTree, const CRemoteMemory& memory, HTREEITEM hItem, UINT nMask, char (&szText)[kTextRoom])
{
    TVITEM item = {};
    item.mask = nMask | TVIF_TEXT;
    item.stateMask = TVIS_SELECTED;
    item.hItem = hItem;
    item.pszText = memory.Address() + kTextRoom;
    item.cchTextMax = kTextRoom;
    memory.Write(0, &item, sizeof item);
    ::SendMessage(hTree, TVM_GETITEM, 0, (LPARAM)memory.Address());
    memory.Read(memory.Address(), &item, sizeof item);
    memory.Read(memory.Address() + kTextRoom, szText, sizeof szText - 1);
    return item;
}

}  // namespace

CDesignerProcess::CDesignerProcess(const std::string& strArguments, const std::string& strProgram,
                                   const char* pszFolder)
{
    std::string strCommand = "\"" + strProgram + "\" " + strArguments;
    STARTUPINFO si = {};
    si.cb = sizeof si;
    if (!::CreateProcess(strProgram.c_str(), &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, pszFolder, &si,
                         &m_pi))
        return;
    m_hMain = WaitForTopLevel(m_pi.dwProcessId, nullptr, "Kestova", kColdWineDeadlineMs);
    ::WaitForInputIdle(m_pi.hProcess, kColdWineDeadlineMs);
}

CDesignerProcess::~CDesignerProcess()
{
    if (!m_pi.hProcess)
        return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(m_pi.hProcess, 1);
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

// The tree lies in its pane, somewhere below the main window.
HWND CDesignerProcess::Tree() const
{
    HWND hTree = nullptr;
    PumpUntil(
        [&]
        {
            ::EnumChildWindows(m_hMain, MatchTree, reinterpret_cast<LPARAM>(&hTree));
            return hTree != nullptr;
        },
        kColdWineDeadlineMs);
    return hTree;
}

std::vector<TreeItemSeen> CDesignerProcess::TreeItems() const
{
    std::vector<TreeItemSeen> items;
    HWND hTree = Tree();
    CRemoteMemory memory(m_pi.hProcess, 4096);
    std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM hItem, int nDepth)
    {
        for (; hItem; hItem = (HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)hItem))
        {
            char szText[kTextRoom] = "";
            const TVITEM item = ReadRemoteItem(hTree, memory, hItem, TVIF_IMAGE | TVIF_PARAM | TVIF_STATE, szText);
            unsigned nKind = ~0u;
            if (item.lParam)
                memory.Read((void*)item.lParam, &nKind, sizeof nKind);
            items.push_back({nDepth, szText, item.iImage, nKind, (item.state & TVIS_SELECTED) != 0});
            walk((HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)hItem), nDepth + 1);
        }
    };
    walk((HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0), 0);
    return items;
}

bool CDesignerProcess::ClickItem(const std::string& strCaption) const
{
    HWND hTree = Tree();
    CRemoteMemory memory(m_pi.hProcess, 4096);
    std::function<HTREEITEM(HTREEITEM)> find = [&](HTREEITEM hItem) -> HTREEITEM
    {
        for (; hItem; hItem = (HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_NEXT, (LPARAM)hItem))
        {
            char szText[kTextRoom] = "";
            ReadRemoteItem(hTree, memory, hItem, 0, szText);
            if (strCaption == szText)
                return hItem;
            if (HTREEITEM hFound = find((HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_CHILD, (LPARAM)hItem)))
                return hFound;
        }
        return nullptr;
    };
    // The frame shows before a project named on the command line has filled the tree.
    HTREEITEM hItem = nullptr;
    if (!PumpUntil([&] { return (hItem = find((HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0))); },
                   kColdWineDeadlineMs))
        return false;
    ::SendMessage(hTree, TVM_ENSUREVISIBLE, 0, (LPARAM)hItem);
    RECT rc = {};
    memcpy(&rc, &hItem, sizeof hItem);  // the message takes the item in the rectangle
    memory.Write(0, &rc, sizeof rc);
    if (!::SendMessage(hTree, TVM_GETITEMRECT, TRUE, (LPARAM)memory.Address()))
        return false;
    memory.Read(memory.Address(), &rc, sizeof rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ::ClientToScreen(hTree, &pt);
    return ClickScreen(pt) &&
           PumpUntil([&] { return (HTREEITEM)::SendMessage(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0) == hItem; },
                     kColdWineDeadlineMs);
}

bool CDesignerProcess::ClickWindow(HWND hWnd) const
{
    RECT rc = {};
    if (!::GetWindowRect(hWnd, &rc))
        return false;
    return ClickScreen({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
}

// Each button carries the point itself. The program hears of the pointer from the display on its own
// time: a window opened under the pointer hears where it was then, and heard after the pointer was put
// elsewhere that moved it back, so that a button sent without a point landed on the old place.
bool CDesignerProcess::ClickScreen(POINT pt) const
{
    if (!BringForward())
        return false;
    std::vector<INPUT> inputs;
    for (const DWORD dwButton : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
    {
        InputBuilder::AddMove(inputs, pt);
        inputs.back().mi.dwFlags |= dwButton;
    }
    return SendInputs(inputs);
}

// A menu the keys opened stays open: the program keeps the foreground while it has it. Keys sent
// before the program took the activation would find no focus, or another program's.
bool CDesignerProcess::BringForward() const
{
    const auto ready = [this]
    {
        DWORD dwOwner = 0;
        ::GetWindowThreadProcessId(::GetForegroundWindow(), &dwOwner);
        return dwOwner == m_pi.dwProcessId && FocusWindow() != nullptr;
    };
    if (ready())
        return true;
    ::SetForegroundWindow(::GetLastActivePopup(m_hMain));
    return PumpUntil(ready, kColdWineDeadlineMs);
}

// The modifier is held on the display: one pressed with SendInput is let go again whenever the program
// takes the display's key state, as it does each time the display hands it the keyboard (after a dialog
// closes), and the letter then arrives without it.
bool CDesignerProcess::Key(WORD wVirtualKey, WORD wModifier) const
{
    if (!BringForward())
        return false;
    CHeldKeys held(wModifier == VK_CONTROL ? CTestInput::kControl
                   : wModifier == VK_MENU  ? CTestInput::kAlt
                   : wModifier == VK_SHIFT ? CTestInput::kShift
                                           : CTestInput::kNone);
    return held.IsHeld() && SendInputs({KeyInput(wVirtualKey, false), KeyInput(wVirtualKey, true)});
}

bool CDesignerProcess::KeyEndingTheProgram(WORD wVirtualKey, WORD wModifier) const
{
    return BringForward() && SendInputs({KeyInput(wModifier, false), KeyInput(wVirtualKey, false),
                                         KeyInput(wVirtualKey, true), KeyInput(wModifier, true)});
}

bool CDesignerProcess::MenuKeys(WORD wMenu, WORD wItem) const
{
    return Key(wMenu, VK_MENU) && PumpUntil([this] { return CountShown("KTPopupBar") >= 1; }, kColdWineDeadlineMs) &&
           Key(wItem);
}

bool CDesignerProcess::Text(const std::string& strText) const
{
    std::vector<INPUT> inputs;
    for (char ch : strText)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = (unsigned char)ch;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    return SendInputs(inputs);
}

bool CDesignerProcess::TypeInto(HWND hEdit, const std::string& strText) const
{
    return ClickWindow(hEdit) && PumpUntil([&] { return FocusWindow() == hEdit; }, kColdWineDeadlineMs) &&
           TypeIntoFocus(::GetParent(hEdit), strText);
}

bool CDesignerProcess::TypeIntoFocus(HWND hDialog, const std::string& strText) const
{
    HWND hEdit = nullptr;
    const auto focusedEdit = [&]
    {
        hEdit = FocusWindow();
        return hEdit && ::IsChild(hDialog, hEdit) && lstrcmpi(ClassOf(hEdit).c_str(), "Edit") == 0;
    };
    return PumpUntil(focusedEdit, kColdWineDeadlineMs) && Text(strText) &&
           PumpUntil([&] { return WindowText(hEdit).find(strText) != std::string::npos; }, kColdWineDeadlineMs);
}

HWND CDesignerProcess::WaitForDialog(const char* pszTitle, DWORD dwTimeoutMs) const
{
    return WaitForTopLevel(m_pi.dwProcessId, "#32770", pszTitle, dwTimeoutMs);
}

HWND CDesignerProcess::FocusWindow() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(m_pi.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

int CDesignerProcess::CountShown(const char* pszClass) const
{
    WindowCount count = {m_pi.dwProcessId, pszClass, 0};
    ::EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
    return count.nShown;
}

std::string CDesignerProcess::MessageText(HWND hBox)
{
    char szText[1024] = "";
    ::GetDlgItemText(hBox, 0xFFFF, szText, sizeof szText);
    return szText;
}

HWND CDesignerProcess::Output() const
{
    HWND hOutput = nullptr;
    ::EnumChildWindows(m_hMain, MatchOutput, reinterpret_cast<LPARAM>(&hOutput));
    return hOutput;
}

std::string CDesignerProcess::OutputText() const
{
    const HWND hOutput = Output();
    return hOutput ? WindowText(hOutput) : std::string();
}

DWORD CDesignerProcess::Close()
{
    ::PostMessage(m_hMain, WM_CLOSE, 0, 0);
    return WaitForExit();
}

DWORD CDesignerProcess::WaitForExit() const
{
    DWORD dwExitCode = STILL_ACTIVE;
    if (::WaitForSingleObject(m_pi.hProcess, kColdWineDeadlineMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(m_pi.hProcess, &dwExitCode);
    return dwExitCode;
}
