// The editor view: creates the control over the document's buffer, routes edit commands and keeps views in step.
#include "KTSyntaxEditView.h"

#include <afxwin_splitter.h>

#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditProfile.h"
#include "KTSyntaxEditViewCommands.h"
#include "dialogs/KTSyntaxEditSearchDlg.h"
#include "themes/KTSyntaxEditPaintManager.h"

IMPLEMENT_DYNCREATE(CKTSyntaxEditView, CView)

BEGIN_MESSAGE_MAP(CKTSyntaxEditView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ERASEBKGND()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_MOUSEWHEEL()
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateNeedSelection)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedSelection)
ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateNeedSelection)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
ON_COMMAND(ID_EDIT_CUT, OnEditCut)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
ON_COMMAND(ID_EDIT_FIND, OnEditFind)
ON_COMMAND(ID_EDIT_REPLACE, OnEditReplace)
ON_COMMAND(ID_EDIT_REPEAT, OnEditRepeat)
ON_UPDATE_COMMAND_UI(ID_EDIT_REPEAT, OnUpdateEditRepeat)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace
{
const char kSection[] = "Settings";

// NULL for the view's own bars.
LPARAM BarHandle(CScrollBar* pScrollBar) { return LPARAM(pScrollBar ? pScrollBar->GetSafeHwnd() : NULL); }
}  // namespace

CKTSyntaxEditView::CKTSyntaxEditView() : m_pSearchDlg(std::make_unique<CKTSyntaxEditSearchDlg>())
{
    ReadScrollBarFlags();
}

void CKTSyntaxEditView::ReadScrollBarFlags()
{
    m_bVertScrollBar = KTReadProfileFlag(kSection, "VScrollBar", m_bVertScrollBar);
    m_bHorzScrollBar = KTReadProfileFlag(kSection, "HScrollBar", m_bHorzScrollBar);
}

CKTSyntaxEditView::~CKTSyntaxEditView()
{
    if (m_pSearchDlg->GetSafeHwnd())
        m_pSearchDlg->DestroyWindow();
}

CKTSyntaxEditDoc* CKTSyntaxEditView::GetDocument() const
{
    CDocument* pDoc = CView::GetDocument();
    return pDoc && pDoc->IsKindOf(RUNTIME_CLASS(CKTSyntaxEditDoc)) ? static_cast<CKTSyntaxEditDoc*>(pDoc) : NULL;
}

void CKTSyntaxEditView::SetEditCtrl(CKTSyntaxEditCtrl* pCtrl)
{
    if (m_wndEdit.GetSafeHwnd())
        m_wndEdit.DestroyWindow();
    m_ptrExternalCtrl = pCtrl;
}

// The application opens dropped files.
void CKTSyntaxEditView::OnDropFiles(HDROP hDropInfo)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pMain = pApp ? pApp->m_pMainWnd : NULL;
    if (pMain && pMain->GetSafeHwnd())
        pMain->PostMessage(WM_DROPFILES, WPARAM(hDropInfo), 0);
    else
        ::DragFinish(hDropInfo);
}

BOOL CKTSyntaxEditView::PreCreateWindow(CREATESTRUCT& cs) { return CWnd::PreCreateWindow(cs); }

int CKTSyntaxEditView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pParentWnd = GetParent();
    if (!m_pParentWnd || !::IsWindow(m_pParentWnd->GetSafeHwnd()))
        return -1;
    BOOL bBarsOutside =
        m_pParentWnd->IsKindOf(RUNTIME_CLASS(CSplitterWnd)) || m_pParentWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd));
    m_bOwnScrollBars = !(bBarsOutside && m_wndEdit.GetUseParentScrollBars());
    CKTSyntaxEditDoc* pDoc = GetDocument();
    CKTSyntaxEditBufferManager* pBuffer = pDoc ? pDoc->GetDataManager() : NULL;
    if (!m_wndEdit.Create(this, m_bHorzScrollBar, m_bVertScrollBar, pBuffer))
        return -1;
    m_wndEdit.SetTopRow(m_nInitialTopRow);
    m_wndEdit.RecalcScrollBars();
    m_wndEdit.SetOleDragDrop(m_dropTarget.Register(this));
    if (!pDoc)
    {
        m_wndEdit.GetBuffer()->InsertText("", 1, 1, FALSE);
        return 0;
    }
    CKTSyntaxEditView* pFirst = pDoc->GetFirstView();
    if (pFirst && pFirst != this && pFirst->GetSafeHwnd())
        m_wndEdit.CopySettings(*pFirst->GetEditCtrl());
    if (!pBuffer)
        pDoc->SetDataManager(m_wndEdit.GetBuffer());
    return 0;
}

void CKTSyntaxEditView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (!GetEditCtrl()->GetSafeHwnd())
        return;
    GetEditCtrl()->MoveWindow(0, 0, cx, cy, FALSE);
    GetEditCtrl()->RecalcScrollBars();
}

void CKTSyntaxEditView::OnSetFocus(CWnd* pOldWnd)
{
    CView::OnSetFocus(pOldWnd);
    if (GetEditCtrl()->GetSafeHwnd())
        GetEditCtrl()->SetFocus();
}

BOOL CKTSyntaxEditView::OnEraseBkgnd(CDC*) { return TRUE; }

void CKTSyntaxEditView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (GetEditCtrl()->SendMessage(WM_KEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags)))
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKTSyntaxEditView::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (GetEditCtrl()->SendMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags)))
        CView::OnChar(nChar, nRepCnt, nFlags);
}

// A splitter's shared bars speak to the view: the control scrolls as if the bar were its own.
void CKTSyntaxEditView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (GetEditCtrl()->SendMessage(WM_VSCROLL, MAKEWPARAM(nSBCode, nPos), BarHandle(pScrollBar)))
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CKTSyntaxEditView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (GetEditCtrl()->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), BarHandle(pScrollBar)))
        CView::OnHScroll(nSBCode, nPos, pScrollBar);
}

// The view's bars serve the control, but the wheel over them comes to the view: the control scrolls as over its text.
BOOL CKTSyntaxEditView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (!GetEditCtrl()->GetSafeHwnd())
        return CView::OnMouseWheel(nFlags, zDelta, pt);
    return BOOL(GetEditCtrl()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, zDelta), MAKELPARAM(pt.x, pt.y)));
}

void CKTSyntaxEditView::OnDraw(CDC*) {}

void CKTSyntaxEditView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    OnUpdate(NULL, CKTSyntaxEditDoc::ktHintSettings, NULL);
    m_bInitialised = TRUE;
}

void CKTSyntaxEditView::ResyncWholeText()
{
    CWaitCursor wait;
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    pCtrl->InvalidateRows();
    m_nInitialTopRow = pCtrl->GetTopRow();
    if (m_nInitialTopRow != -1)
        pCtrl->SetTopRow(m_nInitialTopRow);
    pCtrl->RecalcScrollBars();
    pCtrl->SetCurrentPosition(pCtrl->GetCurrentRow(), pCtrl->GetCurrentDispCol(), FALSE, TRUE);
}

void CKTSyntaxEditView::ApplySettings()
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    pCtrl->ReloadSettings();
    pCtrl->SetFont();
    pCtrl->RecalcScrollBars();
    ReadScrollBarFlags();
    SetScrollBars(m_bHorzScrollBar, m_bVertScrollBar, FALSE, FALSE);
    ResyncWholeText();
}

void CKTSyntaxEditView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint)
{
    CKTSyntaxEditCtrl* pCtrl = GetEditCtrl();
    if (pSender == this || !pCtrl->GetSafeHwnd())
        return;
    const int* pValue = reinterpret_cast<const int*>(pHint);
    switch (lHint)
    {
    case CKTSyntaxEditDoc::ktHintWholeText:
        ResyncWholeText();
        break;
    case CKTSyntaxEditDoc::ktHintSettings:
        ApplySettings();
        break;
    case CKTSyntaxEditDoc::ktHintFont:
        pCtrl->SetFont(reinterpret_cast<const LOGFONT*>(pHint));
        break;
    case CKTSyntaxEditDoc::ktHintLineNumbers:
        pCtrl->SetLineNumbers(pValue && *pValue);
        break;
    case CKTSyntaxEditDoc::ktHintSelMargin:
        pCtrl->SetSelMargin(pValue && *pValue);
        break;
    case CKTSyntaxEditDoc::ktHintAutoIndent:
        pCtrl->SetAutoIndent(pValue && *pValue);
        break;
    case CKTSyntaxEditDoc::ktHintSyntaxColor:
        pCtrl->SetSyntaxColor(pValue && *pValue);
        break;
    case CKTSyntaxEditDoc::ktHintSiblings:
        UpdateSiblingsFrom(reinterpret_cast<const KT_EDIT_NMHDR_VALUE*>(pHint));
        break;
    default:
        break;
    }
}

void CKTSyntaxEditView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    CKTSyntaxEditDoc* pDoc = GetDocument();
    CKTSyntaxEditBufferManager* pBuffer =
        pDoc && pDoc->GetDataManager() ? pDoc->GetDataManager() : GetEditCtrl()->GetBuffer();
    if (CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(pBuffer))
        pLink->GetParser()->SetParseInThreadPriority(bActivate ? m_nActivePriority : m_nInactivePriority);
    if (GetEditCtrl()->GetSafeHwnd())
        GetEditCtrl()->SetActive(bActivate);
    CView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CKTSyntaxEditView::SetFont(const LOGFONT* pLogFont, BOOL bSave)
{
    if (pLogFont && bSave)
        KTSyntaxEditPaintManager()->SetFont(pLogFont, TRUE);
    GetEditCtrl()->SetFont(pLogFont);
    if (CKTSyntaxEditDoc* pDoc = GetDocument())
        pDoc->UpdateAllViews(this, CKTSyntaxEditDoc::ktHintFont,
                             reinterpret_cast<CObject*>(const_cast<LOGFONT*>(pLogFont)));
}

void CKTSyntaxEditView::Refresh()
{
    GetEditCtrl()->InvalidateRows();
    Invalidate();
    UpdateWindow();
    UpdateSiblingViews(7);
}
