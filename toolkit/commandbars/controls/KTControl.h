// KTControl.h: one element of a command bar: its command, texts, state, size and behaviour.
//
// Classes: CKTControl.
#pragma once

#include <afxwin.h>

#include "KTCommandBarsDefs.h"

#include <memory>
#include <set>

class CKTAccessible;
class CKTCommandBar;
class CKTCommandBarList;
class CKTCommandBars;
class CKTControlAction;
class CKTControlPopup;
class CKTControls;
class CKTImageManager;
class CKTImageManagerIcon;
class CKTPaintManager;
class CKTPropExchange;
struct KT_PROPEXCHANGE_PARAMS;
class CKTRibbonGroup;

class CKTControl : public CCmdTarget
{
    DECLARE_DYNCREATE(CKTControl)
public:
    CKTControl();
    ~CKTControl() override;

    // Texts: own values first, then the action's.
    virtual CString GetCaption() const;
    virtual CString GetDescription() const;
    virtual CString GetTooltip() const;
    // The tip at a point of the control (in the bar's client coordinates), with the rectangle it holds for and its
    // tool id; a control whose parts have tips of their own answers for the part there, tool id 0 for no tip.
    virtual CString GetTooltip(CPoint pt, CRect* pRect, INT_PTR* pToolId) const;
    CString GetShortcutText() const;
    void SetCaption(LPCSTR lpszCaption);
    void SetCaptionFromResource(UINT nId);
    void SetPrompt(LPCSTR lpszPrompt);
    void SetID(int nId);
    void SetDescription(LPCSTR lpszText) { m_strDescription = lpszText; }
    void SetShortcutText(LPCSTR lpszText) { m_strShortcutText = lpszText; }
    const CString& GetAutoShortcutText() const { return m_strShortcutTextAuto; }
    void SetAutoShortcutText(const CString& strText) { m_strShortcutTextAuto = strText; }

    int GetID() const { return m_nId; }
    int GetType() const { return m_nType; }
    const KT_CONTROL_TRAITS& GetTraits() const { return KTControlTraits(m_nType); }
    void SetType(int nType) { m_nType = nType; }
    int GetIndex() const { return m_nIndex; }
    int GetStyle() const;
    void SetStyle(int nStyle) { m_nStyle = nStyle; }
    int GetIconId() const;
    void SetIconId(int nId) { m_nIconId = nId; }
    virtual CKTImageManagerIcon* GetImage(int nWidth) const;
    // The icon a bar other than a popup draws: none where the style or type shows the caption alone.
    CKTImageManagerIcon* GetToolBarImage(int nWidth) const;
    // How a bar other than a popup shows the control; a control with a look of its own answers for it.
    virtual KTToolBarLayout GetToolBarLayout() const;
    // The control paints its whole rectangle itself on a bar other than a popup, caption-less.
    virtual BOOL IsDrawnByItself() const { return FALSE; }
    virtual BOOL IsCaptionVisible() const;

    // Enabled and checked: -1 takes the action's state.
    int GetEnabled() const;
    BOOL IsEnabled() const { return GetEnabled() != 0; }
    virtual void SetEnabled(int nEnabled);
    int GetChecked() const;
    void SetChecked(int nChecked);
    int GetSelected() const { return m_nSelected; }
    int GetPressed() const { return m_nPressed; }
    void SetPressed(int nPressed) { m_nPressed = nPressed; }
    virtual BOOL IsPopuped() const { return FALSE; }

    virtual BOOL IsVisible(DWORD dwSkipFlags = 0) const;
    // Whether its popup bar would show it, asked without laying the bar out: a place holder answers for the items
    // it would expand into.
    virtual BOOL WouldShow() const { return IsVisible(); }
    // The control lies on its bar's part of a frame caption drawn on glass.
    BOOL IsOnCompositedCaption() const;
    void SetVisible(BOOL bVisible);
    DWORD GetHideFlags() const { return m_dwHideFlags; }
    void SetHideFlags(DWORD dwFlags);
    // Sets or clears one hide bit; TRUE when the flags changed.
    BOOL SetHideFlag(DWORD dwFlag, BOOL bSet);
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    BOOL GetBeginGroup() const { return m_bBeginGroup; }
    virtual void SetBeginGroup(BOOL bBeginGroup);
    BOOL GetWrap() const { return m_bWrap; }
    BOOL IsItemDefault() const { return m_bDefaultItem; }
    void SetItemDefault(BOOL bDefault) { m_bDefaultItem = bDefault; }
    BOOL IsTemporary() const { return m_bTemporary; }
    void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
    void SetParameter(LPCSTR lpszParameter) { m_strParameter = lpszParameter; }
    CString GetParameter() const { return m_strParameter; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    void SetWidth(int nWidth) { m_nWidth = nWidth; }
    void SetHeight(int nHeight) { m_nHeight = nHeight; }
    void SetExecuteOnPressInterval(int nInterval) { m_nExecuteOnPressInterval = nInterval; }
    void SetCloseSubMenuOnClick(BOOL bClose) { m_bCloseSubMenuOnClick = bClose; }
    // Set while an expanding popup bar brings the control into view.
    BOOL IsExpandedShown() const { return m_bExpandedShown; }
    // Marks the control as rarely used; unmarking also shows it again.
    void SetExpandedShown(BOOL bShown)
    {
        m_bExpandedShown = bShown;
        if (!bShown)
            m_dwHideFlags &= ~ktHideExpand;
    }
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nId) { m_nHelpId = nId; }
    // Document templates (menu resource ids) the control shows for, or hides for.
    void AssignDocTemplate(UINT nTemplate) { m_assignedTemplates.insert(nTemplate); }
    void ExcludeDocTemplate(UINT nTemplate) { m_excludedTemplates.insert(nTemplate); }
    // Hides the control when the active template is not its own or is one it is excluded from.
    BOOL UpdateDocTemplate(UINT nActiveTemplate);

    CRect GetRect() const { return m_rcControl; }
    virtual void SetRect(CRect rc) { m_rcControl = rc; }
    CRect GetRowRect() const { return m_rcRow; }
    void SetRowRect(CRect rc) { m_rcRow = rc; }
    void SetWrap(BOOL bWrap) { m_bWrap = bWrap; }

    CKTCommandBar* GetParent() const { return m_pParent; }
    virtual void SetParent(CKTCommandBar* pParent) { m_pParent = pParent; }
    CKTControls* GetControls() const { return m_pControls; }
    // The ribbon group that lays the control out; NULL on other bars.
    CKTRibbonGroup* GetRibbonGroup() const { return m_pRibbonGroup; }
    void SetRibbonGroup(CKTRibbonGroup* pGroup) { m_pRibbonGroup = pGroup; }
    void SetControls(CKTControls* pControls, int nIndex);
    CKTCommandBars* GetCommandBars() const;
    // The popup bar a popup control opens; NULL for others.
    virtual CKTCommandBar* GetCommandBar() const { return NULL; }
    // The control as one that opens a popup bar; NULL for others.
    virtual CKTControlPopup* AsControlPopup() { return NULL; }

    CKTControlAction* GetAction() const { return m_pAction; }
    virtual void SetAction(CKTControlAction* pAction);
    // A property of its action changes (KTActionProperty), then changed; the base keeps the control's own window
    // in step with the action's visibility.
    virtual void OnActionChanging(int nProperty) {}
    virtual void OnActionChanged(int nProperty);

    CKTPaintManager* GetPaintManager() const;
    CKTImageManager* GetImageManager() const;
    virtual CSize GetSize(CDC* pDC);
    virtual void Draw(CDC* pDC);
    // The bar's sizes; a control of fixed look answers its own.
    virtual CSize GetIconSize() const;
    virtual CSize GetButtonSize() const;

    void RedrawParent(BOOL bAnimate = TRUE);
    void DelayLayoutParent();
    // Sends a notification to the site; its answer, else a routed handler's (non-zero when one took it), else 0.
    LRESULT NotifySite(int nCode);
    // Sends a record that begins with the control notification header (filled in here); the site's answer.
    LRESULT NotifySiteEx(int nCode, KT_NMCONTROL* pNotify);
    BOOL IsCursorOver() const;
    BOOL IsCustomizeMode() const;

    // Behaviour the bar calls.
    virtual void OnExecute();
    virtual BOOL OnSetSelected(int nSelected);
    virtual BOOL OnSetPopup(BOOL bPopup) { return FALSE; }
    // Runs before its popup bar is laid out; place holders expand into their items here.
    virtual void OnCalcDynamicSize(DWORD dwMode) {}
    virtual void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) {}
    // Its keyboard tip was typed whole.
    virtual void OnKeyboardTip() { OnExecute(); }
    virtual void OnLButtonUp(CPoint pt) {}
    // The right button over the control; TRUE when the control took the press.
    virtual BOOL OnRButtonDown(CPoint pt) { return FALSE; }
    virtual void OnRButtonUp(CPoint pt) {}
    virtual BOOL OnLButtonDblClk(CPoint pt);
    virtual void OnMouseMove(CPoint pt) {}
    virtual void OnMouseHover();
    // The paint manager's look or the system's colours or settings changed.
    virtual void OnThemeChanged() {}
    virtual void OnRemoved();

    // Controls with a window of their own (edit fields, combo boxes) hold the keyboard focus on their bar.
    virtual void SetFocused(BOOL bFocused) {}
    virtual BOOL IsFocused() const { return FALSE; }
    // The control can take the keyboard focus when the bar's selection moves onto it.
    virtual BOOL IsFocusable() const { return FALSE; }
    // A key or wheel turn reaching the bar while the control holds the focus: one of KTHookResult, where
    // ktHookStopHere leaves the key to the control's window.
    virtual int OnHookKeyDown(UINT nChar, LPARAM lParam) { return ktHookContinue; }
    virtual int OnHookMouseWheel(int nDelta) { return ktHookContinue; }
    // The next SetRect moves the control's window even when its rectangle stays.
    virtual void DelayReposition() {}
    // Shows or hides the control's own window (edit fields, hosted windows) as the control and its bar show.
    virtual void UpdateWindowVisibility() {}

    // What a screen reader is told of the control; made on first use.
    CKTAccessible* GetAccessible();

    virtual void Copy(CKTControl* pFrom, BOOL bRecursive);
    // Equal in everything the user can change.
    virtual BOOL Compare(CKTControl* pOther);
    CKTControl* Clone(BOOL bRecursive);

    // Customising: a press in customise mode drags the control to another place, another bar or off every bar
    // (where it is deleted); a press on the edge of a resizable control drags its width instead (CKTCustomizeMode).
    BOOL IsCustomizeMovable() const;
    virtual BOOL IsCustomizeResizeAllow() const { return FALSE; }
    virtual int GetCustomizeMinWidth() const { return 0; }
    // Dragged over this control of a bar: the base closes the bar's open popup and clears its selection.
    virtual void OnCustomizeDragOver(CKTControl* pDragged, CPoint pt);
    // Whether the control, being dragged, may be dropped on the bar.
    virtual BOOL IsCustomizeDropAllowed(CKTCommandBar* pBar) const { return TRUE; }

    // Saved state: the control's keys; the list operations reach its popup bar.
    virtual void DoPropExchange(CKTPropExchange* pPX);
    virtual void GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams);
    virtual void RestoreCommandBarList(CKTCommandBarList* pList);
    // -1 follows the style; another value overrides it.
    int GetCustomStyle() const { return m_nCustomStyle; }
    void SetCustomStyle(int nStyle) { m_nCustomStyle = nStyle; }
    int GetCustomIconId() const { return m_nCustomIconId; }
    void SetCustomIconId(int nId) { m_nCustomIconId = nId; }
    CString GetCategory() const { return m_strCategory; }
    void SetCategory(LPCSTR lpszCategory) { m_strCategory = lpszCategory; }

protected:
    // Holds the mouse on a pressed control until the button goes up; TRUE
    // when released inside (never for auto-repeat).
    BOOL ClickToolBarButton(CRect rcActive);
    // One message of that loop: the pressed look following the mouse, or any other.
    void OnClickLoopMessage(const MSG& msg, HWND hWndBar, const CRect& rcActive, BOOL& bInside);
    void ExecuteCommand();
    // A popup tracked for a returned command takes the id and its chain closes; FALSE when not so tracked.
    BOOL ReturnCommand();
    // Records the command, and the popup entry that opened its bar, as used in personalised menus.
    void MarkUsed();
    // The custom icon's images, loaded beside the bars' own.
    void ExchangeCustomIcon(CKTPropExchange* pPX, CKTCommandBars* pCommandBars);
    // The press of a customise-mode click: the bar's popup closes, its selection clears and the drag runs.
    void OnCustomizeClick(CPoint pt);
    virtual std::unique_ptr<CKTAccessible> CreateAccessible();

    int m_nTag = 0;
    int m_nIndex = 0;
    int m_nId = 0;
    int m_nIconId = 0;
    int m_nHelpId = 0;
    int m_nCustomIconId = 0;
    BOOL m_bWrap = FALSE;
    BOOL m_bBeginGroup = FALSE;
    int m_nEnabled = 1;                 // -1 takes the action's
    int m_nChecked = 0;                 // -1 takes the action's
    int m_nSelected = ktSelectionNone;  // KTSelectionState
    int m_nPressed = 0;                 // 1 held down, 2 executed
    BOOL m_bTemporary = FALSE;
    CRect m_rcRow;
    CRect m_rcControl;
    DWORD m_dwHideFlags = 0;
    DWORD m_dwFlags = 0;
    CString m_strCaption;
    CString m_strCustomCaption;
    CString m_strShortcutText;
    CString m_strShortcutTextAuto;
    CString m_strTooltip;
    CString m_strDescription;
    CString m_strParameter;
    CKTControls* m_pControls = NULL;  // the owning collection
    int m_nType = ktControlButton;
    CKTCommandBar* m_pParent = NULL;        // the owning bar
    CKTRibbonGroup* m_pRibbonGroup = NULL;  // not held: the group holds its controls
    BOOL m_bDefaultItem = FALSE;
    int m_nStyle = ktButtonAutomatic;
    int m_nCustomStyle = -1;
    int m_nFallbackStyle = ktButtonAutomatic;
    BOOL m_bCloseSubMenuOnClick = TRUE;
    CKTControlAction* m_pAction = NULL;  // shared state; listed in the action, not counted
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nExecuteOnPressInterval = 0;
    BOOL m_bExpandedShown = FALSE;
    std::set<UINT> m_assignedTemplates;
    std::set<UINT> m_excludedTemplates;
    std::unique_ptr<CKTAccessible> m_pAccessible;  // made on first use
    CString m_strCategory;                         // groups the command in customisation
};
