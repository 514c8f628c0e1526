// KTRibbonGroup.h: a titled block of the ribbon bar's controls, laid out by the group class and placed by its tab.
//
// Classes: CKTRibbonGroup.
#pragma once

#include <afxwin.h>

#include "KTControlsGroupLayout.h"
#include "KTSmartPtr.h"

#include <vector>

class CKTCommandBar;
class CKTControl;
class CKTRibbonBar;
class CKTRibbonGroupControlPopup;
class CKTRibbonTab;
class CKTRibbonTabGroups;

// One laid-out item of a group: where the group class put it, relative to the group's corner.
// A group's controls while it is reduced to its popup button, that button while it is not, and the option button
// while it does not show.
const DWORD KT_HIDE_RIBBONCOLLAPSED = 0x100;

struct KT_RIBBON_LAYOUT_RECORD
{
    CKTControl* pControl;
    CRect rcControl;
    CRect rcClient;      // the group's client area once placed
    BOOL bSkip = FALSE;  // left where it is when a column is spread
};

class CKTRibbonGroup : public CCmdTarget
{
    DECLARE_DYNCREATE(CKTRibbonGroup)
public:
    CKTRibbonGroup() = default;

    CKTRibbonTab* GetRibbonTab() const;
    CKTRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    CKTCommandBar* GetParentBar() const { return m_pParentBar; }
    CKTRibbonTabGroups* GetGroups() const { return m_pGroups; }
    int GetIndex() const { return m_nIndex; }
    UINT GetID() const { return m_nId; }
    void SetID(UINT nId);
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCSTR lpszCaption);
    CRect GetRect() const { return m_rcGroup; }
    // Shown by the ribbon only while its tab is selected.
    BOOL IsVisible() const;
    // The ribbon's group under the mouse.
    BOOL IsHighlighted() const;
    // The group's own flag, whichever tab shows.
    BOOL GetVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible);
    void SetSpreadControls(BOOL bSpread) { m_bSpread = bSpread; }
    // Its buttons drawn as joined rows, parted where a control begins a group or wraps.
    BOOL IsControlsJoined() const { return m_bControlsJoined; }
    void SetControlsJoined(BOOL bJoined);

    // The bar's controls that the group lays out.
    CKTControl* AddControl(int nType, int nId);
    void RemoveControl(CKTControl* pControl);
    int GetCount() const { return (int)m_controls.size(); }
    CKTControl* GetAt(int nIndex) const;
    // The button that stands for the group once it is reduced to it; NULL until the group is added to a bar.
    CKTRibbonGroupControlPopup* GetControlPopup() const { return m_pControlPopup; }
    BOOL IsCollapsed() const { return m_bCollapsed; }
    // The button in the caption that runs the group's id; NULL until the group is added to a bar.
    CKTControl* GetControlOptionButton() const { return m_pOptionButton; }
    // Asked for, and the group not collapsed.
    BOOL IsOptionButtonVisible() const { return m_bOptionButton && !m_bCollapsed; }
    void ShowOptionButton(BOOL bShow);
    // What the group shows: its popup button alone while collapsed, else its controls.
    std::vector<CKTControl*> GetShownControls() const;
    // What keyboard tips reach: the shown controls and the option button while it shows.
    std::vector<CKTControl*> GetKeyboardControls() const;
    // A copy of the group, of its class, shown by a bar other than the one that shows the group.
    static CKTSmartPtr<CKTRibbonGroup> CreateCopy(CKTRibbonGroup* pSource, CKTCommandBar* pParentBar);
    // A new group of the class; NULL when the class makes no group.
    static CKTSmartPtr<CKTRibbonGroup> CreateOfClass(CRuntimeClass* pClass);

    // Moves the records to the group's place, spreads its columns and takes the group's rectangle.
    void PlaceGroup(int nWidth, int x, int y);
    // The group's height: the groups row less the room around a group; 0 without a ribbon.
    int GetRowHeight() const;
    // Where its controls stand: the row height less the caption and the foot under the controls.
    int GetClientHeight() const;
    // A control that fills the group: the row height less the inset above and below it.
    int GetFullControlHeight() const;
    const std::vector<KT_RIBBON_LAYOUT_RECORD>& GetLayoutRecords() const { return m_records; }

    virtual void SetRect(int nLeft, int nTop, int nRight, int nBottom);
    virtual void Copy(CKTRibbonGroup* pSource);
    virtual void Draw(CDC* pDC, CRect rcClip);
    virtual void OnAdded();
    virtual void OnRemoved();
    // Fills the layout records for the whole group: large buttons (icon above caption) a column each, small ones
    // three to a column. A group class of its own arrangement fills them itself.
    virtual void BeginLayout(CDC* pDC);
    // Gives every control the rectangle of its record.
    virtual void EndLayout();
    virtual int CalcWidth(CDC* pDC);
    // One step narrower at the level 0-3; FALSE when none is left there. Level 0 turns a run of three large
    // buttons into a column of small ones, level 1 the other large ones small, level 2 drops the small ones'
    // captions, and the last level reduces the group to its popup button.
    virtual BOOL ReduceStep(int nLevel);

protected:
    friend class CKTRibbonTabGroups;

    // Every layout starts from the whole group, no records yet.
    void ResetLayout();
    void ArrangeControls(CDC* pDC);
    BOOL ReduceArrangement(int nLevel);
    BOOL ReduceToPopup(int nLevel);
    // The records from the arrangement: a large button takes the group's whole client height.
    void TakeArrangement();

    void SpreadColumns(int nClientHeight);
    // The drawing reads the joined look from the control itself.
    void MarkJoined(CKTControl* pControl) const;
    void Collapse();
    // The popup button and the option button, those the group has.
    std::vector<CKTControl*> GetOwnControls() const;
    // The group's own buttons go into the bar that shows the group, named by it.
    void InsertOwnControl(CKTSmartPtr<CKTControl> pControl, DWORD dwHideFlags);
    void PlaceOptionButton();
    // Where a control of the group goes in the bar's controls: before the option button, else at the end.
    int GetInsertIndex() const;
    // Shown by its ribbon rather than by a popup's copy.
    BOOL IsOnRibbon() const;
    void DrawControl(CDC* pDC, CRect rcClip, CKTControl* pControl);

    BOOL m_bSpread = TRUE;
    BOOL m_bSpreadBlocked = FALSE;
    int m_nIndex = -1;
    CKTRibbonTabGroups* m_pGroups = NULL;  // not held: the collection holds the group
    CRect m_rcGroup;
    std::vector<CKTControl*> m_controls;  // held by the bar's controls
    CKTCommandBar* m_pParentBar = NULL;
    CKTRibbonBar* m_pRibbonBar = NULL;
    UINT m_nId = 0;
    BOOL m_bVisible = TRUE;
    BOOL m_bControlsJoined = FALSE;
    CString m_strCaption;
    std::vector<KT_RIBBON_LAYOUT_RECORD> m_records;
    std::vector<KT_LAYOUTRECORD> m_arranged;             // the controls as the bars' group layout places them
    CKTRibbonGroupControlPopup* m_pControlPopup = NULL;  // held by the parent bar's controls
    BOOL m_bCollapsed = FALSE;                           // reduced to the popup button by this layout
    CKTControl* m_pOptionButton = NULL;                  // held by the parent bar's controls
    BOOL m_bOptionButton = FALSE;                        // asked for by the program
};
