// KTControlAction.h: the state every control of one command shares, and the command bars' set of them.
//
// Classes: CKTControlAction, CKTControlActions.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include <vector>

class CKTCommandBars;
class CKTControl;
class CKTControlActions;
class CKTControlGalleryItems;

// What changed on an action, as its controls hear it.
enum KTActionProperty
{
    ktActionVisible = 2,
    ktActionCaption = 3,
    ktActionGalleryItems = 10,
};

class CKTControlAction : public CCmdTarget
{
public:
    explicit CKTControlAction(CKTControlActions* pActions);
    ~CKTControlAction() override;

    int GetID() const { return m_nId; }
    void SetID(int nId) { m_nId = nId; }
    int GetIconId() const { return m_nIconId; }
    void SetIconId(int nId) { m_nIconId = nId; }
    int GetHelpId() const { return m_nHelpId; }
    // Above 0, what F1 on its controls asks help for instead of the command.
    void SetHelpId(int nId) { m_nHelpId = nId; }
    // Enabled, or always while the bars are customised.
    BOOL GetEnabled() const;
    void SetEnabled(BOOL bEnabled);
    BOOL GetChecked() const { return m_bChecked; }
    void SetChecked(BOOL bChecked);
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible);

    const CString& GetCaption() const { return m_strCaption; }
    const CString& GetTooltip() const { return m_strTooltip; }
    const CString& GetDescription() const { return m_strDescription; }
    const CString& GetShortcutText() const { return m_strShortcutText; }
    void SetCaption(LPCSTR lpszCaption);
    void SetPrompt(LPCSTR lpszPrompt);
    void SetShortcutText(LPCSTR lpszText) { m_strShortcutText = lpszText; }
    // The keys its controls' keyboard tips show instead of their caption's letter.
    const CString& GetKeyboardTip() const { return m_strKeyboardTip; }
    void SetKeyboardTip(LPCSTR lpszKeys) { m_strKeyboardTip = lpszKeys; }
    // The grey text its fields show while empty.
    const CString& GetEditHint() const { return m_strEditHint; }
    void SetEditHint(LPCSTR lpszHint) { m_strEditHint = lpszHint; }
    // The items its galleries show; kept with the action, so a gallery rebuilt from saved state finds them.
    CKTControlGalleryItems* GetGalleryItems() const { return m_pGalleryItems; }
    void SetGalleryItems(CKTControlGalleryItems* pItems);

    void AddControl(CKTControl* pControl);
    void RemoveControl(CKTControl* pControl);
    const std::vector<CKTControl*>& GetControls() const { return m_controls; }

private:
    void RedrawControls();

    int m_nId = 0;
    int m_nIconId = 0;
    int m_nHelpId = 0;
    BOOL m_bEnabled = TRUE;
    BOOL m_bChecked = FALSE;
    BOOL m_bVisible = TRUE;  // FALSE hides every control of the action
    CString m_strCaption;
    CString m_strTooltip;
    CString m_strDescription;
    CString m_strShortcutText;
    CString m_strKeyboardTip;
    CString m_strEditHint;
    CKTSmartPtr<CKTControlGalleryItems> m_pGalleryItems;
    std::vector<CKTControl*> m_controls;  // attached; not counted
    CKTControlActions* m_pActions;        // the owner
};

class CKTControlActions : public CCmdTarget
{
public:
    explicit CKTControlActions(CKTCommandBars* pCommandBars) : m_pCommandBars(pCommandBars) {}
    ~CKTControlActions() override;

    // The action of the id, made with the id's prompt when new.
    CKTControlAction* Add(int nId);
    CKTControlAction* FindAction(int nId) const;
    void RemoveAll();
    int GetCount() const { return (int)m_actions.size(); }
    CKTCommandBars* GetCommandBars() const { return m_pCommandBars; }

private:
    std::vector<CKTSmartPtr<CKTControlAction>> m_actions;  // by ascending id
    CKTCommandBars* m_pCommandBars;                        // the owner
};
