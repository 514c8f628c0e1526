// StateArchive.h: the bars' saved state in memory, a description of the bars to compare before and after, and the
// test frame's bars as a user leaves them.
//
// Classes: CStateFixture.
#pragma once

#include "FrameFixture.h"
#include "KTPopupBar.h"

#include <afxwin.h>

#include <functional>
#include <vector>

class CKTCommandBar;
class CKTCommandBars;
class CKTControlGallery;
class CKTPropExchange;
class CKTToolBar;

using CStateBytes = std::vector<BYTE>;

CStateBytes StoreState(const std::function<void(CKTPropExchange*)>& write);
// Runs the reader over the bytes; the reader's answer is returned.
BOOL LoadState(CStateBytes bytes, const std::function<BOOL(CKTPropExchange*)>& read);
// The whole state at the current schema, and loading it back without questions.
CStateBytes SaveBars(CKTCommandBars* pCommandBars);
BOOL LoadBars(CKTCommandBars* pCommandBars, const CStateBytes& bytes);
// What a user sees of the bars: kinds, ids, captions, hidden flags, popups' contents, context menus.
CString DescribeBars(CKTCommandBars* pCommandBars);
CString DescribeBar(CKTCommandBar* pBar, int nDepth = 0);

// The test frame with two built-in bars of their own ids: "Standard" (100) and "Second" (101).
class CStateFixture : public CFrameFixture
{
protected:
    CStateFixture() : CFrameFixture(0, TRUE) {}
    void SetUp() override;
    // Standard loses a button and gains a popup; Second shows the same popup; Second is hidden.
    void Customise();
    // A floating bar of the user's (300) and a context menu (700).
    CKTToolBar* AddUserBars();
    // The text document type's menu, shown on the menu bar, loses its Text menu; the bar keeps the frame's menu.
    void CustomiseDocumentMenu();
    // An edit, a combo box with three items and a custom control hosting the frame's child window kHostedId, on
    // Second, each with keys away from their defaults.
    void AddFields();
    // A gallery on Second, its three items carried by its command's action, each of its keys away from its default.
    CKTControlGallery* AddGallery();

    static const int kHostedId = 4242;
    CWnd m_hosted;

    CKTToolBar* m_pStandard = NULL;
    CKTToolBar* m_pSecond = NULL;
    CKTSmartPtr<CKTPopupBar> m_pShared;
};
