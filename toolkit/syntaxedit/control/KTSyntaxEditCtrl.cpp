// The control's window: creation over a buffer, focus, size, notifications and destruction.
#include "KTSyntaxEditCtrl.h"

#include "KTDrawHelpers.h"
#include "KTSyntaxEditCompletion.h"
#include "KTSyntaxEditTipWnd.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "themes/KTSyntaxEditPaintManager.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CKTSyntaxEditCtrl, CWnd)

namespace
{
const char kClassName[] = "ZiduzuduSyntaxEditor";
}

BEGIN_MESSAGE_MAP(CKTSyntaxEditCtrl, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_SHOWWINDOW()
ON_WM_ACTIVATE()
ON_WM_TIMER()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SYSKEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_RBUTTONDOWN()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
ON_WM_CONTEXTMENU()
ON_COMMAND(CKTSyntaxEditCtrl::ktCmdDropMove, OnDropMove)
ON_COMMAND(CKTSyntaxEditCtrl::ktCmdDropCopy, OnDropCopy)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETFONT, OnGetFont)
// posted by the word list to itself through the control
AFX_MSG_ENTRY(CKTSyntaxEditCompletion::ktMsgFollowWord, p_->m_pCompletion->OnFollowPosted(); return TRUE;)
END_MESSAGE_MAP()

CKTSyntaxEditCtrl::CKTSyntaxEditCtrl()
    : m_pCompletion(std::make_unique<CKTSyntaxEditCompletion>(*this)), m_folding(*this), m_printer(*this),
      m_pToolTip(std::make_unique<CKTSyntaxEditTipWnd>())
{
    m_arPaintTimes.reserve(size_t(m_nPaintTimeSlots));
    ReloadSettings();
    CKTDrawHelpers::RegisterWndClass(NULL, kClassName, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
    m_strConfigFile = GetModuleFolder() + "SyntaxEdit.ini";
    KTSystemChange()->Advise(this);
}

CKTSyntaxEditCtrl::~CKTSyntaxEditCtrl()
{
    KTSystemChange()->Unadvise(this);
    if (CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(m_pBuffer.GetInterface()))
        pLink->GetParser()->StopParseInThread();
    m_Sink.UnadviseAll();
    m_ScreenCache.Clear();
    m_pBuffer.Release();
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CKTSyntaxEditCtrl::Create(CWnd* pParentWnd, BOOL bHorzScroll, BOOL bVertScroll,
                               CKTSyntaxEditBufferManager* pBuffer, CCreateContext* pContext)
{
    if (pBuffer)
        m_pBuffer = pBuffer;
    else
        m_pBuffer = KTMakeCounted<CKTSyntaxEditBufferManager>();
    if (GetConfigFile().IsEmpty())
        SetConfigFile(m_strConfigFile);
    m_bVertScrollBar = bVertScroll;
    m_bHorzScrollBar = bHorzScroll;
    m_pParentWnd = pParentWnd;
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | OwnScrollBarStyles();
    if (!CreateEx(WS_EX_ACCEPTFILES, kClassName, "", dwStyle, CRect(0, 0, 0, 0), pParentWnd, 0, pContext))
        return FALSE;
    SetFont();
    m_bCreated = TRUE;
    if (!m_pCompletion->Create())
        TRACE("the word list could not be created\n");
    m_Sink.UnadviseAll();
    for (DWORD dwCode = CKTSyntaxEditLexParser::ktEditOnParserStarted;
         dwCode <= CKTSyntaxEditLexParser::ktEditOnParserEnded; ++dwCode)
    {
        m_Sink.SetHandler(dwCode, [this](DWORD c, WPARAM w, LPARAM l) { OnParserNotify(c, w, l); });
        m_Sink.Advise(m_pBuffer->GetConnection(), dwCode);
    }
    // The buffer's colouring changed with the configuration; a parse at once says nothing else.
    for (DWORD dwCode = IKTSyntaxEditConfigEvents::ktSchemeChanged; dwCode <= IKTSyntaxEditConfigEvents::ktReloaded;
         ++dwCode)
    {
        m_Sink.SetHandler(dwCode,
                          [this](DWORD, WPARAM, LPARAM)
                          {
                              m_ScreenCache.Clear();
                              m_folding.InvalidateFolds();
                              SetRedrawRow(-1);
                              Invalidate(TRUE);
                          });
        m_Sink.Advise(m_pBuffer->GetConnection(), dwCode);
    }
    return TRUE;
}

// Where a parent view serves the bars, bars of the control's own would show as a second, empty pair.
DWORD CKTSyntaxEditCtrl::OwnScrollBarStyles() const
{
    if (ScrollBarOwner() != this)
        return 0;
    return (m_bVertScrollBar ? WS_VSCROLL : 0) | (m_bHorzScrollBar ? WS_HSCROLL : 0);
}

int CKTSyntaxEditCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_pToolTip->Create(this))
        TRACE("the tooltip window could not be created\n");
    return 0;
}

// Colours the profile does not set follow the system's; the cached lines hold the old ones.
void CKTSyntaxEditCtrl::OnSystemChange(KTSystemChangeKind)
{
    KTSyntaxEditPaintManager()->RefreshMetrics();
    m_ScreenCache.Clear();
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CKTSyntaxEditCtrl::OnDestroy()
{
    KillTimer(ktTimerAutoScroll);
    StopParseRepaint();
    m_pCompletion->Close();
    CWnd::OnDestroy();
}

BOOL CKTSyntaxEditCtrl::SetConfigFile(LPCSTR pszPath)
{
    m_strConfigFile = pszPath ? pszPath : "";
    CKTSyntaxEditConfigurationManager* pConfig = CKTSyntaxEditLexParserAdapter::GetConfiguration();
    if (!m_pBuffer || !pConfig)
        return FALSE;
    DWORD dwAttributes = ::GetFileAttributesA(m_strConfigFile);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FALSE;
    return pConfig->SetConfigFile(std::string(LPCSTR(m_strConfigFile)));
}

CString CKTSyntaxEditCtrl::GetConfigFile() const
{
    CKTSyntaxEditConfigurationManager* pConfig = CKTSyntaxEditLexParserAdapter::GetConfiguration();
    if (!m_pBuffer || !pConfig)
        return CString();
    return CString(pConfig->GetConfigFile().c_str());
}

CString CKTSyntaxEditCtrl::GetModuleFolder()
{
    char szPath[MAX_PATH] = "";
    ::GetModuleFileNameA(AfxGetInstanceHandle(), szPath, MAX_PATH);
    CString strPath(szPath);
    int nSlash = strPath.ReverseFind('\\');
    return nSlash < 0 ? strPath : strPath.Left(nSlash + 1);
}

void CKTSyntaxEditCtrl::SetActive(BOOL bActive)
{
    m_bActive = bActive;
    if (GetSafeHwnd())
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

int CKTSyntaxEditCtrl::CalcTextBufferSize(int a, int b) const
{
    return (std::abs(a - b) * m_nBufferScale / 1024 + 1) * 1024;
}

// --- Notifications ------------------------------------------------------------

LRESULT CKTSyntaxEditCtrl::Notify(NMHDR* pHeader, int nCode)
{
    pHeader->hwndFrom = m_hWnd;
    pHeader->idFrom = m_hWnd ? UINT_PTR(GetDlgCtrlID()) : 0;
    pHeader->code = UINT(nCode);
    if (!HasNotifyWindow())
        return -1;
    return ::SendMessage(m_pParentWnd->GetSafeHwnd(), WM_NOTIFY, pHeader->idFrom, LPARAM(pHeader));
}

// An edit is coming: a parse of the text as it was would only be thrown away.
void CKTSyntaxEditCtrl::OnParserBreak()
{
    if (m_bSyntaxColor && m_pBuffer && m_pBuffer->GetLexParser())
        m_pBuffer->GetLexParser()->BreakParsing();
}

BOOL CKTSyntaxEditCtrl::HasNotifyWindow() const
{
    HWND hNotify = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : NULL;
    return hNotify && ::IsWindow(hNotify);
}

LRESULT CKTSyntaxEditCtrl::SendNotify(int nCode)
{
    NMHDR hdr = {};
    return Notify(&hdr, nCode);
}

BOOL CKTSyntaxEditCtrl::CanEditDoc()
{
    return GetSafeHwnd() && HasNotifyWindow() && SendNotify(KT_EDIT_NM_CANEDIT) == 0;
}

void CKTSyntaxEditCtrl::NotifyTextChanged(int nFirstRow, int nLastRow, DWORD dwChange)
{
    m_pCompletion->PostFollow();
    if (dwChange & (KT_EDIT_CHANGE_ROWS_INSERTED | KT_EDIT_CHANGE_ROWS_DELETED))
    {
        BOOL bDeleted = (dwChange & KT_EDIT_CHANGE_ROWS_DELETED) != 0;
        if (CKTSyntaxEditLineMarksManager* pMarks = GetLineMarksManager())
            pMarks->AdjustLineMarks(nFirstRow, nLastRow,
                                    bDeleted ? CKTSyntaxEditLineMarksManager::actDelete
                                             : CKTSyntaxEditLineMarksManager::actInsert);
        m_nRedrawRow = -1;
        if (GetSafeHwnd())
            Invalidate(FALSE);
    }
    KT_EDIT_NMHDR_ROWS nm = {{}, nFirstRow, nLastRow, int(dwChange)};
    Notify(&nm.hdr, KT_EDIT_NM_TEXTCHANGED);
}

void CKTSyntaxEditCtrl::NotifyModified(BOOL bModified)
{
    KT_EDIT_NMHDR_VALUE nm = {{}, bModified};
    Notify(&nm.hdr, KT_EDIT_NM_MODIFIED);
}

void CKTSyntaxEditCtrl::NotifyCaretMoved(int nRow, int nCol)
{
    m_pCompletion->PostFollow();
    KT_EDIT_NMHDR_POS nm = {{}, nRow, nCol};
    Notify(&nm.hdr, KT_EDIT_NM_CARETMOVED);
}

void CKTSyntaxEditCtrl::NotifyViewChanged(int nBits)
{
    KT_EDIT_NMHDR_VALUE nm = {{}, nBits};
    Notify(&nm.hdr, KT_EDIT_NM_VIEWCHANGED);
}

// --- Window messages ----------------------------------------------------------

void CKTSyntaxEditCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!KTSyntaxEditPaintManager()->GetFont()->GetSafeHandle())
        return;
    m_nRedrawRow = -1;
    RecalcScrollBars();
    UpdateVScrollBar();
    // The view moves the control without repainting; the area a resize uncovers would keep stale pixels.
    Invalidate(FALSE);
    UpdateWindow();
}

BOOL CKTSyntaxEditCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;  // every pixel comes from the off-screen bitmaps
}

void CKTSyntaxEditCtrl::OnSetFocus(CWnd* pOldWnd)
{
    if (m_bCreated)
        ::DestroyCaret();
    Invalidate(FALSE);
    m_bFocused = TRUE;
    CreateEditCaret();
    PlaceCaretAtDisplayRow(FALSE);
    NotifyCaretMoved(m_nCurrentRow, m_nDispCol);
    UpdateWindow();
    CWnd::OnSetFocus(pOldWnd);
}

void CKTSyntaxEditCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (m_bCreated)
        ::DestroyCaret();
    m_pCompletion->Close();
    m_bFocused = FALSE;
}

void CKTSyntaxEditCtrl::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    if (!bShow)
        m_nRedrawRow = -1;
}

void CKTSyntaxEditCtrl::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    SetActive(nState != WA_INACTIVE);
    if (nState == WA_INACTIVE)
        m_nRedrawRow = -1;
}

void CKTSyntaxEditCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == ktTimerParseRepaint)
    {
        OnParseRepaintTimer();
        return;
    }
    if (nIDEvent == ktTimerAutoScroll)
    {
        AdvanceAutoScroll();
        return;
    }
    if (!m_pCompletion->OnTimer(nIDEvent))
        CWnd::OnTimer(nIDEvent);
}

LRESULT CKTSyntaxEditCtrl::OnSetText(WPARAM, LPARAM lParam)
{
    const LPCSTR pszText = reinterpret_cast<LPCSTR>(lParam);
    CKTSyntaxEditNewText text(pszText, pszText ? int(strlen(pszText)) : 0);
    return ReplaceAllText(text);
}

// The whole text is replaced as one edit the user can undo, so that colouring, line marks and the
// notify window follow it: they hear of the old text's removal and the new text's insertion.
BOOL CKTSyntaxEditCtrl::ReplaceAllText(CKTSyntaxEditNewText& text)
{
    if (!m_pBuffer || !CanEditDoc())
        return FALSE;
    KT_EDIT_TEXTPOS lcOldEnd, lcNewEnd;
    if (SwapInAllText(*m_pBuffer->PrepareReplaceAll(text), lcOldEnd, lcNewEnd))
        AllTextReplaced(lcOldEnd, lcNewEnd);
    return TRUE;
}

BOOL CKTSyntaxEditCtrl::SwapInAllText(CKTSyntaxEditPreparedText& text, KT_EDIT_TEXTPOS& lcOldEnd,
                                      KT_EDIT_TEXTPOS& lcNewEnd)
{
    if (!m_pBuffer || !CanEditDoc())
        return FALSE;
    OnParserBreak();
    return m_pBuffer->ReplaceAllText(text, lcOldEnd, lcNewEnd);
}

void CKTSyntaxEditCtrl::AllTextReplaced(const KT_EDIT_TEXTPOS& lcOldEnd, const KT_EDIT_TEXTPOS& lcNewEnd)
{
    m_bSelection = FALSE;
    m_nForcedColumn = 0;
    OnTextEdited(1, 1, lcOldEnd.nLine, lcOldEnd.nCol, CKTSyntaxEditLexParserLink::editDeleted);
    NotifyTextChanged(1, lcOldEnd.nLine, KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_DELETED);
    OnTextEdited(1, 1, lcNewEnd.nLine, lcNewEnd.nCol, CKTSyntaxEditLexParserLink::editInserted);
    NotifyTextChanged(1, lcNewEnd.nLine, KT_EDIT_CHANGE_TEXT | KT_EDIT_CHANGE_ROWS_INSERTED);
    NotifyModified(TRUE);
    SetCurrentRow(m_nCurrentRow);
    SetCaretChar(m_nCurrentRow, std::min(m_nCurrentChar, m_pBuffer->GetLineLength(m_nCurrentRow) + 1));
    RecalcScrollBars();
    SetRedrawRow(-1);
    Invalidate(FALSE);
}

LRESULT CKTSyntaxEditCtrl::OnGetFont(WPARAM, LPARAM)
{
    return LRESULT(KTSyntaxEditPaintManager()->GetFont()->GetSafeHandle());
}
