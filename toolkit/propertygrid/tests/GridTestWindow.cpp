// GridTestWindow.cpp: the recording owner, the field page and the input helpers of the grid tests.
#include "GridTestWindow.h"

#include "PropertyGridTestsRes.h"

BEGIN_MESSAGE_MAP(CGridOwner, CWnd)
ON_MESSAGE(KTWM_PROPERTYGRID_NOTIFY, OnGridNotify)
END_MESSAGE_MAP()

CGridOwner::CGridOwner(CRect rcWindow)
{
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    CreateEx(0, lpszClass, "Grid test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, rcWindow, NULL, 0);
    SetForegroundWindow();
}

CGridOwner& CGridOwner::Shared()
{
    static CGridOwner s_owner;
    return s_owner;
}

void CGridOwner::Reset()
{
    SetWindowPos(NULL, 40, 40, 400, 420, SWP_NOZORDER);
    SetForegroundWindow();
    m_notices.clear();
    m_nButtonAnswer = 0;
    m_bRefuseEdit = FALSE;
}

CGridOwner::~CGridOwner()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

LRESULT CGridOwner::OnGridNotify(WPARAM wParam, LPARAM lParam)
{
    GridNotice notice = {static_cast<int>(wParam), CString(), nullptr};
    switch (wParam)
    {
    case KTPGN_SELECTIONCHANGED:
    case KTPGN_VALUECHANGED:
    case KTPGN_ITEMEXPANDCHANGED:
    case KTPGN_DBLCLICK:
    case KTPGN_RCLICK:
        notice.pItem = reinterpret_cast<CKTPropertyGridItem*>(lParam);
        notice.strText = notice.pItem->GetValue();
        break;
    case KTPGN_REQUESTEDIT:
    case KTPGN_AFTEREDIT:
    case KTPGN_CANCELEDIT:
    {
        auto* pRecord = reinterpret_cast<KTPROPERTYGRID_EDIT*>(lParam);
        notice.pItem = pRecord->pItem;
        notice.strText = pRecord->strValue;
        if (wParam == KTPGN_REQUESTEDIT)
            pRecord->bCancel = m_bRefuseEdit;
        break;
    }
    }
    m_notices.push_back(notice);
    return wParam == KTPGN_INPLACEBUTTONDOWN ? m_nButtonAnswer : 0;
}

int CGridOwner::Count(int nCode) const
{
    int n = 0;
    for (const auto& notice : m_notices)
        n += notice.nCode == nCode;
    return n;
}

const GridNotice* CGridOwner::Last(int nCode) const
{
    for (auto it = m_notices.rbegin(); it != m_notices.rend(); ++it)
    {
        if (it->nCode == nCode)
            return &*it;
    }
    return nullptr;
}

std::vector<int> CGridOwner::EditCodes() const
{
    std::vector<int> codes;
    for (const auto& notice : m_notices)
    {
        if (notice.nCode == KTPGN_VALUECHANGED || notice.nCode == KTPGN_AFTEREDIT || notice.nCode == KTPGN_CANCELEDIT)
            codes.push_back(notice.nCode);
    }
    return codes;
}

namespace
{

CKTPropertyGridItem* AddListItem(CKTPropertyGridItem* pCategory, UINT nID, LPCSTR lpszValue,
                                 std::initializer_list<LPCSTR> constraints)
{
    CKTPropertyGridItem* pItem = pCategory->AddChildItem(new CKTPropertyGridItem(nID, lpszValue));
    for (LPCSTR psz : constraints)
        pItem->GetConstraints()->AddConstraint(psz);
    pItem->SetFlags(KTPGF_HASEDIT | KTPGF_HASCOMBOBUTTON);
    return pItem;
}

CKTPropertyGridItem* AddMaskedItem(CKTPropertyGridItem* pCategory, UINT nID, LPCSTR lpszMask, LPCSTR lpszLiteral)
{
    CKTPropertyGridItem* pItem = pCategory->AddChildItem(new CKTPropertyGridItem(nID, ""));
    pItem->SetMask(lpszMask, lpszLiteral, '_');
    return pItem;
}

}  // namespace

CKTPropertyGridItem* BuildFieldPage(CKTPropertyGrid& grid)
{
    grid.SetTheme(ktPropertyGridThemeFlatBox);
    CKTPropertyGridItem* pCategory = grid.AddCategory(IDS_FIELD_SETTINGS);
    AddMaskedItem(pCategory, IDS_FIELD_NAME, "LAAAAAAAAAAAAAAAAAAAAAAAA", "_________________________");
    AddListItem(pCategory, IDS_FIELD_UNIT, "byte", {"byte", "bit", "TLV"});
    AddListItem(pCategory, IDS_FIELD_DATATYPE, "unsigned int",
                {"unsigned int", "signed int", "signed char", "unsigned char", "signed short int", "unsigned short int",
                 "signed int64", "unsigned int64", "char []", "char *"});
    pCategory->AddChildItem(new CKTPropertyGridItem(IDS_FIELD_MAXLENGTH, ""));
    pCategory->AddChildItem(new CKTPropertyGridItem(IDS_FIELD_MAXCOUNT, ""));
    AddListItem(pCategory, IDS_FIELD_RELATEDCOUNT, "", {});
    AddListItem(pCategory, IDS_FIELD_ATTRIBUTE, "fix length", {"fix length", "variant length"});
    AddListItem(
        pCategory, IDS_FIELD_VARIANT, "separated by binary 0",
        {"separated by binary 0", "select a related field", "select a related field,additional binary 0 at end"});
    AddListItem(pCategory, IDS_FIELD_RELATEDLENGTH, "", {});
    AddListItem(pCategory, IDS_FIELD_TYPE, "normal data",
                {"normal data", "header length", "body length", "total length", "packet type"});
    AddMaskedItem(pCategory, IDS_FIELD_TAG, "0xHHHHHHHH", "0x________");
    pCategory->Expand();
    return pCategory;
}

void Settle(int nRounds)
{
    for (int i = 0; i < nRounds; i++)
    {
        ::Sleep(10);
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

namespace
{

void SendMouse(DWORD dwFlags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof(INPUT));
}

void SendKey(WORD vk, BOOL bUp)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
}

}  // namespace

void QueueMove(CPoint ptScreen)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(ptScreen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(ptScreen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(INPUT));
}

void QueueKey(WORD vk)
{
    SendKey(vk, FALSE);
    SendKey(vk, TRUE);
}

void MoveCursor(CPoint ptScreen)
{
    QueueMove(ptScreen);
    Settle(2);
}

void LeftDown() { SendMouse(MOUSEEVENTF_LEFTDOWN); }

void LeftUp() { SendMouse(MOUSEEVENTF_LEFTUP); }

CPoint ClientToScreenPoint(CWnd* pWnd, CPoint pt)
{
    pWnd->ClientToScreen(&pt);
    return pt;
}

COLORREF ClientPixel(CWnd* pWnd, CPoint pt)
{
    pWnd->UpdateWindow();
    HDC hDC = ::GetDC(pWnd->GetSafeHwnd());
    COLORREF clr = ::GetPixel(hDC, pt.x, pt.y);
    ::ReleaseDC(pWnd->GetSafeHwnd(), hDC);
    return clr;
}
