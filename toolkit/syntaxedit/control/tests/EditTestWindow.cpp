// The test application, the notify window and the control over the generated C file.
#include "EditTestWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "KTSyntaxEditLexParser.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "NearColor.h"

namespace
{
const char kRegistryKey[] = "Kestova Tests";
const char kAppName[] = "Syntax Edit Tests";

class CEditTestApp : public CWinApp
{
public:
    CEditTestApp() : CWinApp(kAppName) {}
};

CEditTestApp theApp;

// The application and the parser link live for the whole test program, as in the program itself.
class CEditTestEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kestova Tests\\Syntax Edit Tests");
        theApp.AfxInitApplicationState(::GetModuleHandle(NULL), const_cast<LPSTR>(""), SW_SHOW);
        theApp.SetRegistryKey(kRegistryKey);
        CKTSyntaxEditLexParserAdapter::Install();
    }
    void TearDown() override
    {
        CKTSyntaxEditBufferManager::SetLexParserFactory(NULL);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kestova Tests\\Syntax Edit Tests");
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new CEditTestEnvironment);

int ValueAt(const NMHDR* pHeader, int nIndex) { return reinterpret_cast<const int*>(pHeader + 1)[nIndex]; }
}  // namespace

CNotifyWindow::CNotifyWindow(int cx, int cy)
{
    LPCSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), HBRUSH(COLOR_BTNFACE + 1));
    CRect rc(0, 0, cx, cy);
    ::AdjustWindowRect(&rc, WS_POPUP | WS_BORDER, FALSE);
    CreateEx(0, pszClass, "Kestova edit test", WS_POPUP | WS_BORDER | WS_VISIBLE,
             CRect(10, 10, 10 + rc.Width(), 10 + rc.Height()), NULL, 0);
}

CNotifyWindow::~CNotifyWindow()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CNotifyWindow::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    int nCode = int(pHeader->code);
    CRecordedNotify record = {nCode, 0, 0, 0};
    if (nCode == KT_EDIT_NM_TEXTCHANGED || nCode == KT_EDIT_NM_PARSEREVENT)
        record = {nCode, ValueAt(pHeader, 0), ValueAt(pHeader, 1), ValueAt(pHeader, 2)};
    else if (nCode == KT_EDIT_NM_MODIFIED || nCode == KT_EDIT_NM_VIEWCHANGED)
        record = {nCode, ValueAt(pHeader, 0), 0, 0};
    else if (nCode == KT_EDIT_NM_CARETMOVED)
        record = {nCode, ValueAt(pHeader, 0), ValueAt(pHeader, 1), 0};
    if (nCode != KT_EDIT_NM_DRAWLINE)
        m_arNotifies.push_back(record);
    *pResult = nCode == KT_EDIT_NM_CANEDIT ? m_nCanEditAnswer : 0;
    return TRUE;
}

std::vector<CRecordedNotify> CNotifyWindow::Of(int nCode) const
{
    std::vector<CRecordedNotify> result;
    for (const CRecordedNotify& record : m_arNotifies)
    {
        if (record.nCode == nCode)
            result.push_back(record);
    }
    return result;
}

CEditTestWindow::CEditTestWindow(BOOL bLoadFile, int cx, int cy)
    : CEditTestWindow(std::make_unique<CKTSyntaxEditCtrl>(), bLoadFile, cx, cy)
{
}

CEditTestWindow::CEditTestWindow(std::unique_ptr<CKTSyntaxEditCtrl> pCtrl, BOOL bLoadFile, int cx, int cy)
    : m_pParent(std::make_unique<CNotifyWindow>(cx, cy)), m_pCtrl(std::move(pCtrl))
{
    m_pCtrl->Create(m_pParent.get(), TRUE, TRUE);
    m_pCtrl->SetConfigFile(ConfigIniPath());
    m_pCtrl->MoveWindow(0, 0, cx, cy);
    if (bLoadFile)
        LoadDataFile();
    m_pCtrl->SetFocus();
    PumpMessages();
}

void CEditTestWindow::LoadDataFile()
{
    CFile file;
    CString strPath = CString(KT_TEST_DATA_DIR) + "/chat_api.c";
    if (file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        Buffer()->Load(&file, ".c");
    m_pCtrl->RecalcScrollBars();
    m_pCtrl->InvalidateRows();
}

void CEditTestWindow::LoadText(std::string strText)
{
    CMemFile file(reinterpret_cast<BYTE*>(&strText[0]), UINT(strText.size()));
    Buffer()->Load(&file, ".c");
    m_pCtrl->RecalcScrollBars();
    m_pCtrl->InvalidateRows();
}

BOOL CEditTestWindow::ParseEnded() const
{
    for (const CRecordedNotify& event : m_pParent->Of(KT_EDIT_NM_PARSEREVENT))
    {
        if (event.nFirst == CKTSyntaxEditLexParser::ktEditOnParserEnded)
            return TRUE;
    }
    return FALSE;
}

CEditTestWindow::~CEditTestWindow()
{
    m_pCtrl.reset();
    m_pParent.reset();
    PumpMessages();
}

CString CEditTestWindow::Text()
{
    CString strText;
    for (int row = 1; row <= Buffer()->GetRowCount(); ++row)
        strText += Buffer()->GetLineTextEx(row, row < Buffer()->GetRowCount(), CKTSyntaxEditBufferManager::lesCRLF);
    return strText;
}

std::string ReadDataFile(const char* pszName)
{
    std::ifstream file(std::string(KT_TEST_DATA_DIR) + "/" + pszName, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

CString ConfigIniPath() { return CKTSyntaxEditCtrl::GetModuleFolder() + "config\\SyntaxEdit.ini"; }

int CountNear(const CPixelImage& image, const CRect& rc, COLORREF clr)
{
    int nCount = 0;
    for (int y = std::max(int(rc.top), 0); y < std::min(int(rc.bottom), image.Height()); ++y)
    {
        for (int x = std::max(int(rc.left), 0); x < std::min(int(rc.right), image.Width()); ++x)
            nCount += NearColor(image.Pixel(x, y), clr) ? 1 : 0;
    }
    return nCount;
}
