// KTCustomizeDropSource.h: the bars of a frame as drop targets, the modal loop that drags a control between
// them while the bars are customised, and the program's customise dialog while it is open.
//
// Classes: CKTCustomizeDropSource.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include <memory>
#include <vector>

class CKTCommandBar;
class CKTCommandBars;
class CKTControl;
class CKTPopupBar;
class CKTResourceCursor;

// How a customise drag ended.
enum KTCustomizeDropEffect
{
    ktDropEffectNone = 0,  // released over no bar: the control leaves its bar
    ktDropEffectCopy = 1,
    ktDropEffectMove = 2,
    ktDropEffectCancel = 5,  // Esc, a right press, a lost capture, a quit, or a release without a move
};

class CKTCustomizeDropSource
{
public:
    explicit CKTCustomizeDropSource(CKTCommandBars* pCommandBars);
    ~CKTCustomizeDropSource();
    CKTCustomizeDropSource(const CKTCustomizeDropSource&) = delete;
    CKTCustomizeDropSource& operator=(const CKTCustomizeDropSource&) = delete;

    void Register(CKTCommandBar* pBar);
    void Unregister(CKTCommandBar* pBar);
    // The window that holds the capture while dragging; NULL for the command bars' site.
    void SetOwnerWindow(CWnd* pOwner) { m_pOwner = pOwner; }

    // A program that opens a customise dialog of its own registers it here, and NULL when it closes. While it is
    // open the frame refuses to close, the dialog instead of the site hears of each change of the customise
    // selection (KTWM_CUSTOMIZESELECTION), and a right press that selects a control opens pContextMenu there, its
    // commands sent to the dialog; the selection is the control they act on. Make the menu with no command bars
    // (CKTPopupBar::CreatePopupBar(NULL)): on the customised bars' own its entries would be customised, not run.
    // The menu is held until the dialog is cleared; without one a right press only selects. A destroyed dialog
    // counts as closed.
    void SetCustomizeDialog(CWnd* pDialog, CKTPopupBar* pContextMenu = NULL);
    // NULL while no dialog is open.
    CWnd* GetCustomizeDialog() const;
    CKTPopupBar* GetCustomizeContextMenu() const { return m_pDialogMenu; }

    // Runs the drag of the control until it ends; a KTCustomizeDropEffect. A control on no bar (one a command
    // list offers) is added where it is dropped and has no source to leave.
    int DoDragDrop(CKTControl* pControl);
    // The pointer at a screen point: the bar under it becomes the target when it takes the control.
    void DragOver(CPoint ptScreen);
    void UpdateCursor();

    BOOL IsDragging() const { return m_hWndCapture != NULL; }
    CKTCommandBar* GetTarget() const { return m_pTarget; }
    BOOL IsMove() const { return m_bMove; }
    // The cursors the drag shows: over no bar, adding a control that has no source, and dropping.
    HCURSOR GetNoDropCursor() const;
    HCURSOR GetAddCursor() const;
    HCURSOR GetDropCursor() const;

private:
    int RunLoop();
    // A message of the loop; FALSE ends it with the effect.
    BOOL OnLoopMessage(const MSG& msg, BOOL& bMoved, int& nEffect);
    int Drop();
    void LeaveTarget();
    CKTCommandBar* FindBarAt(CPoint ptScreen) const;

    HWND m_hWndCapture = NULL;        // holds the capture while a drag runs
    CKTControl* m_pControl = NULL;    // being dragged; held by its caller
    BOOL m_bMove = TRUE;              // Ctrl is up: a drop moves
    CKTControl* m_pSource = NULL;     // the control the drag left from; NULL when it comes from no bar
    CKTCommandBar* m_pTarget = NULL;  // the bar under the pointer that took the drag
    CWnd* m_pOwner = NULL;            // captures instead of the site
    CPoint m_ptStart;                 // where the drag began, in screen coordinates
    HWND m_hWndDialog = NULL;         // the open customise dialog; a handle, so a dialog gone unannounced is no risk
    CKTSmartPtr<CKTPopupBar> m_pDialogMenu;  // the dialog's context menu for the selection
    std::vector<CKTCommandBar*> m_bars;      // in creation order; the bars register and unregister themselves
    CKTCommandBars* m_pCommandBars;          // the owner
    std::unique_ptr<CKTResourceCursor> m_pNoDropCursor;
    std::unique_ptr<CKTResourceCursor> m_pAddCursor;
    std::unique_ptr<CKTResourceCursor> m_pDropCursor;
};
