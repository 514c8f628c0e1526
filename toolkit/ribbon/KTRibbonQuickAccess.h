// KTRibbonQuickAccess.h: the quick access toolbar: its controls, kept at the front of the ribbon's controls too,
// its drop-down and "more" buttons, and the popup of the controls that did not fit.
//
// Classes: CKTRibbonQuickAccessControls, CKTRibbonBarControlQuickAccessPopup, CKTRibbonQuickAccessMore,
// CKTRibbonQuickAccessPopupToolBar, CKTRibbonControlQuickAccessCommand.
#pragma once

#include "KTControlButton.h"
#include "KTControlPopup.h"
#include "KTControls.h"
#include "KTPopupToolBar.h"

class CKTRibbonBar;

// Whatever joins or leaves the list (Add, InsertAt, Remove, RemoveAll) joins or leaves the ribbon's controls too.
class CKTRibbonQuickAccessControls : public CKTControls
{
public:
    explicit CKTRibbonQuickAccessControls(CKTRibbonBar* pRibbon);

    BOOL Contains(const CKTControl* pControl) const;
    // The first visible control of the same id and type, NULL for none.
    CKTControl* FindDuplicate(const CKTControl* pControl) const;

protected:
    void OnControlAdded(CKTControl* pControl) override;
    // The ribbon's removal clears the control's links, whichever list lets it go first.
    void OnControlRemoved(CKTControl* pControl) override;
    // The controls keep the ribbon's indexes: those are what the bar selects and hit-tests by.
    void RefreshIndexes() override {}

private:
    // Where the control goes among the ribbon's controls: after the toolbar's control before it.
    int RibbonIndexFor(const CKTControl* pControl) const;
    void RelayoutRibbon(BOOL bUpdate);

    CKTRibbonBar* m_pRibbon;  // the owner
};

// A button at the end of the toolbar: a narrow strip as tall as a ribbon row, drawn by the ribbon's painter, whose
// popup the ribbon makes afresh at each opening.
class CKTRibbonQuickAccessEndButton : public CKTControlPopup
{
public:
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    // It draws arrows only.
    BOOL IsCaptionVisible() const override { return FALSE; }
    BOOL OnSetPopup(BOOL bPopup) override;

protected:
    CKTRibbonQuickAccessEndButton() { m_dwFlags = ktFlagManualUpdate | ktFlagNoMovable; }
    virtual CKTSmartPtr<CKTCommandBar> CreatePopup(CKTRibbonBar* pRibbon) = 0;
    virtual BOOL IsMoreButton() const = 0;
};

// The drop-down at the end of the toolbar: opens the customise menu.
class CKTRibbonBarControlQuickAccessPopup : public CKTRibbonQuickAccessEndButton
{
    DECLARE_DYNCREATE(CKTRibbonBarControlQuickAccessPopup)
protected:
    CKTSmartPtr<CKTCommandBar> CreatePopup(CKTRibbonBar* pRibbon) override;
    BOOL IsMoreButton() const override { return FALSE; }
};

// Shown in place of the drop-down when some controls found no room: opens a toolbar of them.
class CKTRibbonQuickAccessMore : public CKTRibbonQuickAccessEndButton
{
    DECLARE_DYNCREATE(CKTRibbonQuickAccessMore)
protected:
    CKTSmartPtr<CKTCommandBar> CreatePopup(CKTRibbonBar* pRibbon) override;
    BOOL IsMoreButton() const override { return TRUE; }
};

class CKTRibbonQuickAccessPopupToolBar : public CKTPopupToolBar
{
    DECLARE_DYNCREATE(CKTRibbonQuickAccessPopupToolBar)
public:
    CKTRibbonQuickAccessPopupToolBar();
    void SetRibbonBar(CKTRibbonBar* pRibbon) { m_pRibbon = pRibbon; }
    CSize GetIconSize() const override;
    CSize GetButtonSize() const override;
    void FillCommandBarEntry(CDC* pDC) override;

private:
    CKTRibbonBar* m_pRibbon = NULL;  // not held
};

// An entry of the drop-down's menu standing for one of the toolbar's default commands: checked while the toolbar
// shows that command, a pick puts it on the toolbar or takes it off.
class CKTRibbonControlQuickAccessCommand : public CKTControlButton
{
    DECLARE_DYNCREATE(CKTRibbonControlQuickAccessCommand)
public:
    CKTRibbonControlQuickAccessCommand() = default;
    CKTRibbonControlQuickAccessCommand(CKTRibbonBar* pRibbon, CKTControl* pDefault);
    // The toolbar's control for the command: the entry shows checked.
    void SetExisting(CKTControl* pExisting);
    void OnExecute() override;

private:
    CKTRibbonBar* m_pRibbon = NULL;       // the owner of the toolbar; outlives its menus
    CKTSmartPtr<CKTControl> m_pDefault;   // the default control the entry stands for
    CKTSmartPtr<CKTControl> m_pExisting;  // its copy on the toolbar, NULL when there is none
};
