// KTCustomizeMode.h: the customise mode of a frame's bars: whether it is on, the control it acts on, and the
// drag and drop that moves controls between the bars.
//
// Classes: CKTCustomizeMode.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include <memory>

class CKTCommandBars;
class CKTControl;
class CKTCustomizeDropSource;

// Held by the command bars, and gone after their bars: every bar window leaves the drop source as it is destroyed.
class CKTCustomizeMode
{
public:
    explicit CKTCustomizeMode(CKTCommandBars* pCommandBars);
    ~CKTCustomizeMode();

    BOOL IsOn() const { return m_bOn; }
    // Customising: a press on a bar's control drags it between the bars instead of running it.
    void SetOn(BOOL bOn);
    // The control customising acts on, framed on its bar; the open customise dialog, else the site, hears of each
    // change.
    void SetSelection(CKTControl* pControl);
    // The open customise dialog's context menu for the selection, at a screen point; nothing without one.
    void ShowContextMenu(CPoint ptScreen);
    CKTControl* GetSelection() const { return m_pSelection; }
    // Lets the selection go without a word to anyone: the bars are going.
    void ReleaseSelection();
    CKTCustomizeDropSource* GetDropSource() const { return m_pDropSource.get(); }
    // The site runs the customise command, so Alt may drag a control outside customise mode.
    BOOL IsCommandAvailable() const;
    // A press on a control: drags it to another place or bar, or, on an edge of the selected one, drags its width.
    void DragControl(CKTControl* pControl, CPoint pt);
    // Which edge of a resizable control the point is on: -1 left, 1 right, 0 neither.
    static int HitTestResizeEdge(const CKTControl* pControl, CPoint pt);

private:
    // Drags the width of the control from the edge under the point; FALSE when the point is on no edge.
    BOOL ResizeControl(CKTControl* pControl, CPoint pt);

    CKTCommandBars* m_pCommandBars;  // the owner
    std::unique_ptr<CKTCustomizeDropSource> m_pDropSource;
    BOOL m_bOn = FALSE;
    CKTSmartPtr<CKTControl> m_pSelection;
};
