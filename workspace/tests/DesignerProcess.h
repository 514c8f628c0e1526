// The real designer program, started for a test and driven from outside: its windows, its tree,
// its message boxes, and keys sent to it.
#pragma once

#include <windows.h>

#include "MessagePump.h"

#include <string>
#include <vector>

// One item of the project tree as the program holds it.
struct TreeItemSeen
{
    int nDepth;
    std::string strCaption;
    int nImage;
    unsigned nKind;
    bool bSelected = false;
};

class CDesignerProcess
{
public:
    // Starts the program (the test's own kestova.exe unless named) with the arguments, in the
    // folder when one is given, and waits for its main window.
    explicit CDesignerProcess(const std::string& strArguments = std::string(),
                              const std::string& strProgram = "kestova.exe", const char* pszFolder = nullptr);
    ~CDesignerProcess();
    CDesignerProcess(const CDesignerProcess&) = delete;
    CDesignerProcess& operator=(const CDesignerProcess&) = delete;

    HWND MainWindow() const { return m_hMain; }
    HWND Tree() const;
    // Every item of the tree, depth first, the root at depth 0.
    std::vector<TreeItemSeen> TreeItems() const;
    // Clicks the first item of the tree with that caption, once the tree holds one, and waits until the
    // program selected it: a command posted after the click would otherwise overtake it.
    bool ClickItem(const std::string& strCaption) const;
    // Clicks the middle of a window of the program.
    bool ClickWindow(HWND hWnd) const;

    // Keys to the program's focused window, once the program is in front and has a focus. They are
    // queued, not yet handled, when the call returns: the caller waits for what they do.
    bool Key(WORD wVirtualKey, WORD wModifier = 0) const;  // VK_CONTROL, VK_MENU, VK_SHIFT or none
    // A key with its modifier that ends the program, sent whole through the system's queue: a modifier
    // held on the display would be let go once the program's windows are gone, and no window would
    // take its release.
    bool KeyEndingTheProgram(WORD wVirtualKey, WORD wModifier) const;
    // Text typed into an edit of the program, and what the edit then shows: a click, the focus
    // there, the keys, the text there. A dialog's first activation can move the focus after the
    // click; keys sent before the focus settled would land in another control.
    bool TypeInto(HWND hEdit, const std::string& strText) const;
    // The same into the edit the dialog gives the focus when it opens.
    bool TypeIntoFocus(HWND hDialog, const std::string& strText) const;

    // The program's window with the keyboard focus, as its input thread holds it.
    HWND FocusWindow() const;
    // How many top-level windows of the class the program shows.
    int CountShown(const char* pszClass) const;
    // Alt+menu letter, then, once the menu is open, the item's letter: sent sooner it would reach the focus.
    bool MenuKeys(WORD wMenu, WORD wItem) const;

    // A dialog of the program with that title (a message box has its caller's), once it is shown.
    HWND WaitForDialog(const char* pszTitle = nullptr, DWORD dwTimeoutMs = kColdWineDeadlineMs) const;
    static std::string MessageText(HWND hBox);
    // The output pane; NULL while it has no window.
    HWND Output() const;
    // The text of the output pane; empty while the pane has no window.
    std::string OutputText() const;

    // Asks the frame to close and waits for the program's end; its exit code.
    DWORD Close();
    // Waits for the program's end without asking; its exit code, STILL_ACTIVE when it lives on.
    DWORD WaitForExit() const;

private:
    bool BringForward() const;
    bool Text(const std::string& strText) const;
    bool ClickScreen(POINT pt) const;

    PROCESS_INFORMATION m_pi = {};
    HWND m_hMain = nullptr;
};
