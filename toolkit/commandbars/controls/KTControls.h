// KTControls.h: the ordered controls of a bar: the control factory, menu conversion, walks and layout.
//
// Classes: CKTControls.
#pragma once

#include <afxwin.h>

#include "KTSmartPtr.h"

#include <vector>

class CKTCommandBar;
class CKTCommandBarList;
class CKTCommandBars;
class CKTControl;
class CKTPropExchange;
struct KT_PROPEXCHANGE_PARAMS;

// What the site may answer when a menu item becomes a control.
struct KT_CONTROLCREATION
{
    HMENU hMenu = NULL;
    int nIndex = 0;
    UINT nId = 0;
    int nType = 0;
    CString strCaption;
    CKTControl* pControl = NULL;        // out: a control of the site's
    CWnd* pWnd = NULL;                  // told when the control was made
    CKTCommandBar* pCommandBar = NULL;  // a bar's buttons: the bar (its title in strCaption)
    int nStyle = 0;                     // the site may ask for another button style
};

// The record of a bar wanted for an id; the site may put its own in pCommandBar. A popup bar asked for a
// control carries the control's type, a custom toolbar its name.
struct KT_CREATEBARRECORD
{
    CKTCommandBar* pCommandBar;
    int bPopup;
    int bExpandBar;
    int bCustomBar;
    int bTearOff;
    union
    {
        int nType;
        LPCSTR lpszName;
    };
    UINT nId;
};

class CKTControls : public CCmdTarget
{
    DECLARE_DYNCREATE(CKTControls)
public:
    CKTControls() = default;
    ~CKTControls() override;

    CKTCommandBars* GetCommandBars() const;
    void SetCommandBars(CKTCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    CKTCommandBar* GetParent() const { return m_pParent; }
    void SetParent(CKTCommandBar* pParent);
    int GetCount() const { return (int)m_controls.size(); }
    CKTControl* GetAt(int nIndex) const;
    // -1 finds the first control.
    CKTControl* FindControl(int nId) const;
    CKTControl* HitTest(CPoint pt) const;
    // The next control the keyboard may select. The narrow walk skips what a collapsed menu leaves out; the wide
    // one takes it as shown.
    int GetNext(int nIndex, int nDirection, BOOL bSkipFocus = TRUE, BOOL bSkipTemporary = FALSE,
                BOOL bNarrowMask = TRUE) const;
    // The controls shown; with bIncludeWrapped also those a row had no room for.
    int GetVisibleCount(BOOL bIncludeWrapped) const;

    // Adds a control before an index (at the end for -1), taking the caller's reference.
    CKTControl* InsertAt(CKTSmartPtr<CKTControl> pControl, int nBefore = -1);
    CKTControl* Append(CKTSmartPtr<CKTControl> pControl);
    // Adds a clone of the control (its popup bar cloned too when recursive).
    CKTControl* AddClone(CKTControl* pControl, int nBefore = -1, BOOL bRecursive = FALSE);
    CKTControl* Add(CKTSmartPtr<CKTControl> pControl, int nId, LPCSTR lpszParameter = NULL, int nBefore = -1,
                    BOOL bTemporary = FALSE);
    // The control factory: a control of the type, for the id.
    CKTControl* Add(int nType, int nId, LPCSTR lpszParameter = NULL, int nBefore = -1, BOOL bTemporary = FALSE);
    CKTControl* AddMenuItem(CMenu* pMenu, int nIndex);
    void Remove(CKTControl* pControl);
    void RemoveAll();

    // Another type for a control: popup kinds change in place, others are replaced by a copy.
    CKTControl* SetControlType(CKTControl* pControl, int nType);
    CKTControl* SetControlTypeAt(int nIndex, int nType);
    // The same non-temporary controls, pairwise equal.
    BOOL Compare(CKTControls* pOther) const;
    // Changed since first built; always when there is no original copy.
    BOOL IsChanged() const;
    CKTControls* Duplicate(BOOL bRecursive) const;
    void CreateOriginalControls();
    CKTControls* GetOriginalControls() const { return m_pOriginalControls; }
    void SetOriginalControls(CKTControls* pOriginal) { m_pOriginalControls = pOriginal; }

    // Saved state: the non-temporary controls, then the original copy when asked for.
    virtual void DoPropExchange(CKTPropExchange* pPX);
    void GenerateCommandBarList(DWORD& nId, CKTCommandBarList* pList, KT_PROPEXCHANGE_PARAMS* pParams);
    void RestoreCommandBarList(CKTCommandBarList* pList);

    // Lays the controls out in rows at a length; mode bits as the frame's layout. A minimum length (borders
    // included) makes a docked bar at least that thick, so the bars of one dock row match.
    CSize CalcDynamicSize(int nLength, DWORD dwMode, CRect rcBorder, int nMinLength = 0);
    // Lays a popup bar's controls out in columns no taller than the work area, or, given a height, in columns
    // that keep the whole bar (borders included) within it.
    CSize CalcPopupSize(CRect rcBorder, int nHeight = 0);
    // Part of the work area's right edge a menu entry may be wide; 0 or less for no cap.
    static double s_dMaxPopupWidthRatio;

protected:
    // A kept control survives Remove and RemoveAll: a bar's own controls that its layout relies on.
    virtual BOOL ShouldKeep(CKTControl*) const { return FALSE; }
    // The control has joined the array, its index set.
    virtual void OnControlAdded(CKTControl*) {}
    // The control has left the array: it loses its links and hears OnRemoved.
    virtual void OnControlRemoved(CKTControl* pControl);
    virtual void RefreshIndexes();
    void StoreControls(CKTPropExchange* pPX);
    // An unknown control class throws the archive's bad-class error.
    void LoadControls(CKTPropExchange* pPX);
    void ExchangeCopy(CKTPropExchange* pPX, LPCSTR lpszSection, CKTSmartPtr<CKTControls>& pCopy);
    static CKTSmartPtr<CKTControl> CreateControl(int nType, int nId);
    CKTSmartPtr<CKTControl> CreateMenuControl(const KT_CONTROLCREATION& cs, CMenu* pSubMenu);
    CKTSmartPtr<CKTCommandBar> CreatePopupBarFor(int nType, int nId);
    void AttachAction(CKTControl* pControl, int nId, LPCSTR lpszCaption);
    // Asked for the controls a menu makes, and for the bars of popups.
    CWnd* GetSite() const;
    CWnd* GetPopupBarSite() const;

    CKTCommandBar* m_pParent = NULL;                  // the owning bar
    std::vector<CKTSmartPtr<CKTControl>> m_controls;  // in order
    CKTCommandBars* m_pCommandBars = NULL;            // its own link, for controls away from a bar or loaded
    CKTSmartPtr<CKTControls> m_pOriginalControls;     // as first built
    int m_nCopyDepth = 0;                             // loading: how deep in nested copies this one is
};
