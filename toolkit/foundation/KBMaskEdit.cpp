// KBMaskEdit.cpp: typing, deleting, pasting and undoing within an input mask.
#include "KBMaskEdit.h"

#include <ctype.h>

#include <vector>

#include "KTKeyState.h"

namespace
{

// The clipboard's text, or an empty string.
CString ClipboardText(HWND hWnd)
{
    CString strText;
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(hWnd))
        return strText;
    HANDLE hData = ::GetClipboardData(CF_TEXT);
    const char* pText = hData ? static_cast<const char*>(::GlobalLock(hData)) : NULL;
    if (pText)
    {
        strText = pText;
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return strText;
}

BOOL IsMouseButtonDown()
{
    for (int nButton : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON})
        if (::GetKeyState(nButton) & 0x8000)
            return TRUE;
    return FALSE;
}

}  // namespace

BEGIN_MESSAGE_MAP(CKBMaskEditT, CEdit)
ON_WM_CREATE()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_CUT, OnCut)
ON_MESSAGE(WM_COPY, OnCopy)
ON_MESSAGE(WM_PASTE, OnPaste)
ON_MESSAGE(WM_CLEAR, OnClear)
ON_MESSAGE(WM_UNDO, OnUndo)
END_MESSAGE_MAP()

CKBMaskEditT::CKBMaskEditT() : m_bUseMask(FALSE), m_chPrompt('_') {}

CKBMaskEditT::~CKBMaskEditT() = default;

BOOL CKBMaskEditT::SetEditMask(LPCSTR lpszMask, LPCSTR lpszLiteral, LPCSTR lpszDefault)
{
    if (!lpszMask || !lpszLiteral || lstrlenA(lpszMask) != lstrlenA(lpszLiteral))
        return FALSE;
    m_strMask = lpszMask;
    m_strLiteral = lpszLiteral;
    m_strDefault = lpszDefault ? lpszDefault : "";
    m_bUseMask = TRUE;
    m_strWindowText = FitTextToLiteral(m_strDefault);
    m_strUndoText = m_strWindowText;
    if (GetSafeHwnd())
        ShowMaskedText();
    return TRUE;
}

void CKBMaskEditT::SetPromptChar(char chPrompt)
{
    for (int i = 0; i < m_strWindowText.GetLength(); i++)
    {
        if (IsInputPosition(i) && m_strWindowText[i] == m_chPrompt)
            m_strWindowText.SetAt(i, chPrompt);
    }
    m_chPrompt = chPrompt;
    if (GetSafeHwnd() && m_bUseMask)
        UpdateWindowText(FALSE);
}

BOOL CKBMaskEditT::IsInputPosition(int nPos) const
{
    if (nPos < 0 || nPos >= m_strMask.GetLength())
        return FALSE;
    char ch = m_strMask[nPos];
    return ch == 'L' || ch == 'A' || ch == 'H';
}

BOOL CKBMaskEditT::CheckChar(char ch, int nPos) const
{
    unsigned char uch = static_cast<unsigned char>(ch);
    switch (IsInputPosition(nPos) ? m_strMask[nPos] : 0)
    {
    case 'L':
        return isalpha(uch) != 0;
    case 'A':
        return isalnum(uch) != 0;
    case 'H':
        return isxdigit(uch) != 0;
    default:
        return FALSE;
    }
}

int CKBMaskEditT::PlaceText(CString& strTarget, int nStart, LPCSTR lpszText) const
{
    int nPos = nStart;
    for (const char* p = lpszText; p && *p && nPos < m_strMask.GetLength();)
    {
        if (!IsInputPosition(nPos))
        {
            if (*p == m_strLiteral[nPos])
                p++;  // the text spells out the fixed part
            nPos++;
            continue;
        }
        if (*p != m_chPrompt && !CheckChar(*p, nPos))
            break;
        strTarget.SetAt(nPos++, *p++);
    }
    return nPos;
}

CString CKBMaskEditT::FitTextToLiteral(LPCSTR lpszText) const
{
    CString strText(m_strLiteral);
    for (int i = 0; i < strText.GetLength(); i++)
    {
        if (IsInputPosition(i))
            strText.SetAt(i, m_chPrompt);
    }
    PlaceText(strText, 0, lpszText);
    return strText;
}

int CKBMaskEditT::CorrectPosition(int nPos, BOOL bForward) const
{
    for (int i = nPos; i >= 0 && i < m_strMask.GetLength(); i += bForward ? 1 : -1)
    {
        if (IsInputPosition(i))
            return i;
    }
    return -1;
}

void CKBMaskEditT::UpdateWindowText(BOOL bSaveUndo)
{
    if (!GetSafeHwnd())
        return;
    if (bSaveUndo)
        GetWindowText(m_strUndoText);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    SetWindowText(m_strWindowText);
    SetSel(nStart, nEnd);
}

void CKBMaskEditT::ApplyText(const CString& strText, int nCaret)
{
    m_strUndoText = m_strWindowText;
    m_strWindowText = strText;
    SetWindowText(m_strWindowText);
    SetSel(nCaret, nCaret);
}

BOOL CKBMaskEditT::GetSelection(int& nStart, int& nEnd) const
{
    GetSel(nStart, nEnd);
    return nEnd > nStart;
}

CString CKBMaskEditT::TextWithoutRange(int nStart, int nEnd) const
{
    CString strText(m_strWindowText);
    for (int i = nStart; i < nEnd && i < strText.GetLength(); i++)
    {
        if (IsInputPosition(i))
            strText.SetAt(i, m_chPrompt);
    }
    return strText;
}

void CKBMaskEditT::ClearRange(int nStart, int nEnd) { ApplyText(TextWithoutRange(nStart, nEnd), nStart); }

void CKBMaskEditT::DeleteAt(int nPos)
{
    // The input characters after nPos move one input position left, as long
    // as each still fits the mask where it lands.
    std::vector<int> positions;
    for (int i = CorrectPosition(nPos); i >= 0; i = CorrectPosition(i + 1))
        positions.push_back(i);
    CString strText(m_strWindowText);
    for (size_t k = 0; k < positions.size(); k++)
    {
        char chNext = k + 1 < positions.size() ? m_strWindowText[positions[k + 1]] : m_chPrompt;
        if (chNext != m_chPrompt && !CheckChar(chNext, positions[k]))
        {
            strText = m_strWindowText;
            strText.SetAt(positions[0], m_chPrompt);
            break;
        }
        strText.SetAt(positions[k], chNext);
    }
    ApplyText(strText, nPos);
}

void CKBMaskEditT::InsertChar(char ch)
{
    int nStart = 0, nEnd = 0;
    GetSelection(nStart, nEnd);
    int nPos = CorrectPosition(nStart);
    if (nPos < 0 || !CheckChar(ch, nPos))
    {
        ::MessageBeep(static_cast<UINT>(-1));
        return;
    }
    // The selection goes and the character comes in one step of undo.
    CString strText = TextWithoutRange(nStart, nEnd);
    strText.SetAt(nPos, ch);
    int nNext = CorrectPosition(nPos + 1);
    ApplyText(strText, nNext < 0 ? nPos + 1 : nNext);
}

void CKBMaskEditT::Backspace()
{
    int nStart = 0, nEnd = 0;
    if (GetSelection(nStart, nEnd))
    {
        ClearRange(nStart, nEnd);
        return;
    }
    int nPos = CorrectPosition(nStart - 1, FALSE);
    if (nPos < 0)
    {
        ::MessageBeep(static_cast<UINT>(-1));
        return;
    }
    DeleteAt(nPos);
}

void CKBMaskEditT::DeleteForward()
{
    int nStart = 0, nEnd = 0;
    if (GetSelection(nStart, nEnd))
    {
        ClearRange(nStart, nEnd);
        return;
    }
    int nPos = CorrectPosition(nStart);
    if (nPos >= 0)
        DeleteAt(nPos);
}

BOOL CKBMaskEditT::IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }

void CKBMaskEditT::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bUseMask || IsReadOnly())
    {
        Default();
        return;
    }
    switch (nChar)
    {
    case VK_BACK:
        Backspace();
        return;
    case 0x16:  // Ctrl+V
        SendMessage(WM_PASTE);
        return;
    case 0x18:  // Ctrl+X
        SendMessage(WM_CUT);
        return;
    case 0x1A:  // Ctrl+Z
        SendMessage(WM_UNDO);
        return;
    }
    if (nChar < 0x20)
    {
        Default();  // copy, tab and the like
        return;
    }
    for (UINT i = 0; i < (nRepCnt ? nRepCnt : 1); i++)
        InsertChar(static_cast<char>(nChar));
}

void CKBMaskEditT::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bUseMask || IsReadOnly())
    {
        Default();
        return;
    }
    BOOL bShift = KTIsKeyDown(VK_SHIFT);
    if (nChar == VK_DELETE)
        SendMessage(bShift ? WM_CUT : WM_CLEAR);
    else if (nChar == VK_INSERT && bShift)
        SendMessage(WM_PASTE);
    else if (nChar == VK_INSERT && KTIsKeyDown(VK_CONTROL))
        SendMessage(WM_COPY);
    else
        Default();
}

BOOL CKBMaskEditT::PreTranslateMessage(MSG* pMsg)
{
    if (m_bUseMask && pMsg->hwnd == m_hWnd && pMsg->message == WM_KEYDOWN && KTIsCommandCtrl())
    {
        static const struct
        {
            UINT nKey;
            UINT nMessage;
        } s_keys[] = {{'C', WM_COPY}, {'X', WM_CUT}, {'V', WM_PASTE}, {'Z', WM_UNDO}};
        for (const auto& key : s_keys)
        {
            if (pMsg->wParam == key.nKey)
            {
                SendMessage(key.nMessage);
                return TRUE;  // no accelerator of the frame takes it
            }
        }
    }
    return CEdit::PreTranslateMessage(pMsg);
}

LRESULT CKBMaskEditT::OnCut(WPARAM, LPARAM)
{
    if (!m_bUseMask)
        return Default();
    if (IsReadOnly())
        return 0;
    int nStart = 0, nEnd = 0;
    if (!GetSelection(nStart, nEnd))
        return 0;
    SendMessage(WM_COPY);
    ClearRange(nStart, nEnd);
    return 0;
}

LRESULT CKBMaskEditT::OnCopy(WPARAM, LPARAM) { return Default(); }

LRESULT CKBMaskEditT::OnPaste(WPARAM, LPARAM)
{
    if (!m_bUseMask)
        return Default();
    if (IsReadOnly())
        return 0;
    CString strClip = ClipboardText(m_hWnd);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    CString strText = TextWithoutRange(nStart, nEnd);
    int nNext = PlaceText(strText, nStart, strClip);
    int nCaret = CorrectPosition(nNext);
    ApplyText(strText, nCaret < 0 ? nNext : nCaret);
    return 0;
}

LRESULT CKBMaskEditT::OnClear(WPARAM, LPARAM)
{
    if (!m_bUseMask)
        return Default();
    if (!IsReadOnly())
        DeleteForward();
    return 0;
}

LRESULT CKBMaskEditT::OnUndo(WPARAM, LPARAM)
{
    if (!m_bUseMask)
        return Default();
    if (IsReadOnly())
        return FALSE;
    CString strPrevious(m_strUndoText);
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    ApplyText(strPrevious, nStart);
    return TRUE;
}

void CKBMaskEditT::ShowMaskedText()
{
    if (!m_bUseMask)
        return;
    LimitText(m_strMask.GetLength());
    SetWindowText(m_strWindowText);
}

// A mask set before the window existed shows once it does: when an
// existing control is subclassed, or when our own creation completes.
void CKBMaskEditT::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    ShowMaskedText();
}

int CKBMaskEditT::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    if (Default() == -1)
        return -1;
    ShowMaskedText();
    return 0;
}

void CKBMaskEditT::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    if (!m_bUseMask || IsMouseButtonDown())
        return;  // the press places the caret
    // Entered from the keyboard, what is typed replaces the whole input, as in any edit.
    const int nFirst = CorrectPosition(0);
    const int nLast = CorrectPosition(m_strMask.GetLength() - 1, FALSE);
    if (nFirst >= 0)
        SetSel(nFirst, nLast + 1);
}

// The caret lands where clicked within the text typed so far; the prompts past it count as empty, as
// the space after a plain edit's text does.
void CKBMaskEditT::OnLButtonDown(UINT nFlags, CPoint point)
{
    Default();
    int nStart = 0, nEnd = 0;
    if (!m_bUseMask || GetSelection(nStart, nEnd))
        return;
    const int nUnfilled = FirstUnfilledPosition();
    if (nUnfilled >= 0 && nStart > nUnfilled)
        SetSel(nUnfilled, nUnfilled);
}

int CKBMaskEditT::FirstUnfilledPosition() const
{
    int nPos = CorrectPosition(0);
    while (nPos >= 0 && m_strWindowText[nPos] != m_chPrompt)
        nPos = CorrectPosition(nPos + 1);
    return nPos;
}

CKBMaskEdit::~CKBMaskEdit()
{
    if (GetSafeHwnd())
        DestroyWindow();
}
