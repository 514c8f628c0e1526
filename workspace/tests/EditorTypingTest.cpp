// C typed into a designer editor with real keys at a typist's pace lands in the saved file as typed, whether or not
// the word list shows; the list asked for with Ctrl+Space chooses, closes and opens again as asked.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "FrameKeys.h"
#include "KTSyntaxEditCompletion.h"
#include "LoadedFrame.h"
#include "MainFrame.h"
#include "MessagePump.h"
#include "TestFolder.h"
#include "TestInput.h"
#include "WrenfoldApp.h"
#include "WrenfoldDoc.h"
#include "WrenfoldView.h"

namespace
{

const DWORD kKeyPaceMs = 20;

std::string ProgramFile(const std::string& strRelative)
{
    std::ifstream file(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + strRelative, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

CwrenfoldApp& App() { return *static_cast<CwrenfoldApp*>(AfxGetApp()); }

// A C file of the program's own in an editor of the main frame, its scheme and configuration those of the program
// folder, with the caret on an empty first row and the frame's keys in front as in the program.
class EditorTypingTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!App().GetEditorTemplate())
            App().CreateEditorTemplate();
    }
    void SetUp() override
    {
        m_pLoaded = std::make_unique<LoadedFrame>();
        m_pFrame = m_pLoaded->pFrame;
        ASSERT_TRUE(m_pFrame);
        App().m_pMainWnd = m_pFrame;
        // With CR LF throughout, as the editor writes a file whose line ends it was given mixed.
        for (char ch : ProgramFile("lib\\dravolint.c"))
            m_strOriginal += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        ASSERT_TRUE(m_folder.Write("chat_api.c", "\r\n" + m_strOriginal));
        // In a project of the test folder, as the designer opens a project's files.
        ASSERT_TRUE(m_folder.Write("chat.kvs", ProgramFile("example\\chat.kvs")));
        m_pFrame->ReadSolutionFile(m_folder.Path("chat.kvs").c_str());
        m_pDoc = dynamic_cast<CwrenfoldDoc*>(App().GetEditorTemplate()->OpenDocumentFile(Path().c_str()));
        PumpMessages();
        ASSERT_TRUE(m_pDoc);
        POSITION pos = m_pDoc->GetFirstViewPosition();
        m_pCtrl = static_cast<CwrenfoldView*>(m_pDoc->GetNextView(pos))->GetEditCtrl();
        m_pCtrl->SetFocus();
        m_pCtrl->SetCurrentPosition(1, 1, FALSE, TRUE);
        m_pInput = std::make_unique<CTestInput>(m_pCtrl->GetSafeHwnd());
    }
    void TearDown() override
    {
        m_pInput.reset();
        if (m_pDoc)
            m_pDoc->SetModifiedFlag(FALSE);
        m_pLoaded.reset();
        App().m_pMainWnd = nullptr;
        PumpMessages();
    }

    std::string Path() const { return m_folder.Path("chat_api.c"); }
    CKTSyntaxEditAutoCompleteWnd& List() { return m_pCtrl->GetCompletion().GetList(); }
    CString Row(int nRow) { return m_pDoc->GetDataManager()->GetLineTextEx(nRow); }
    bool Key(WORD wKey, unsigned nMods = CTestInput::kNone) { return m_pInput->Key(wKey, nMods); }

    // A key every kKeyPaceMs at most, each handled before the next goes.
    bool TypeAtPace(const char* pszText)
    {
        for (const char* psz = pszText; *psz; ++psz)
        {
            const DWORD dwSent = ::GetTickCount();
            if (!m_pInput->Text(std::string(1, *psz).c_str()))
            {
                ADD_FAILURE() << "the key for '" << *psz << "' was not handled";
                return false;
            }
            PumpUntil([dwSent] { return ::GetTickCount() - dwSent >= kKeyPaceMs; });
        }
        return true;
    }
    // The file as saved holds the first row and the program's text after it, byte for byte.
    void ExpectSavedFirstRow(const std::string& strRow)
    {
        ASSERT_TRUE(m_pDoc->OnSaveDocument(Path().c_str()));
        const std::string strSaved = m_folder.Read("chat_api.c");
        const size_t nRowEnd = strRow.size() + 2;
        EXPECT_EQ(strRow + "\r\n", strSaved.substr(0, nRowEnd));
        EXPECT_TRUE(strSaved.size() >= nRowEnd && strSaved.compare(nRowEnd, std::string::npos, m_strOriginal) == 0)
            << "the rest of the file as it was";
    }
    void EmptyFirstRow()
    {
        m_pCtrl->SetCurrentPosition(1, 1, FALSE, TRUE);
        ASSERT_TRUE(Key(VK_END, CTestInput::kShift));
        ASSERT_TRUE(Key(VK_DELETE));
        ASSERT_STREQ("", Row(1));
    }

    CTestFolder m_folder{"workspace-editor-typing"};
    std::unique_ptr<LoadedFrame> m_pLoaded;
    CMainFrame* m_pFrame = nullptr;  // the loaded frame's
    CFrameKeys m_keys;
    std::string m_strOriginal;
    CwrenfoldDoc* m_pDoc = nullptr;
    CKTSyntaxEditCtrl* m_pCtrl = nullptr;
    std::unique_ptr<CTestInput> m_pInput;
};

// Spaces and most punctuation open the list by itself; a letter typed then must not become a keyword at the next
// separator.
const char* const kLinesOfC[] = {
    "int x = a*b;", "if (e) c = d;", "/*T*/", "return (s);",
    "for (i = 0; i < n; i++) { s[i] = (char)(t[i] ^ k); if (s[i] == 'w') c++; else d--; } while (c < d && e != f) "
    "{ g = h->u.v + w[c] * (x - y) / z; r = g % 3 ? a : b; } do { c <<= 1; --n; } while (c > 0);"};

TEST_F(EditorTypingTest, CTypedAtAPaceLandsInTheSavedFileAsTyped)
{
    ASSERT_EQ(200u, std::string(kLinesOfC[4]).size());
    for (const char* pszLine : kLinesOfC)
    {
        ASSERT_TRUE(TypeAtPace(pszLine));
        ExpectSavedFirstRow(pszLine);
        EmptyFirstRow();
    }
}

// The list a typed space opens is still up when the line's first key comes.
TEST_F(EditorTypingTest, CTypedWhileTheListATypedSpaceOpenedShowsLandsAsTyped)
{
    for (const char* pszLine : kLinesOfC)
    {
        ASSERT_TRUE(TypeAtPace(" "));
        ASSERT_TRUE(PumpUntil([this] { return List().IsShown() != FALSE; }));
        ASSERT_TRUE(TypeAtPace(pszLine));
        ExpectSavedFirstRow(std::string(" ") + pszLine);
        EmptyFirstRow();
    }
}

TEST_F(EditorTypingTest, BackspaceToTheEmptyWordLeavesNothingForEnterToChoose)
{
    ASSERT_TRUE(TypeAtPace("int c"));
    ASSERT_TRUE(Key(VK_BACK));
    ASSERT_TRUE(Key(VK_RETURN));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ("int ", Row(1));
    EXPECT_STREQ("", Row(2));
    ExpectSavedFirstRow("int \r\n");
}

// Asked for with Ctrl+Space, even over the list a typed space opened, the list is for the word before the caret.
TEST_F(EditorTypingTest, CtrlSpaceShowsTheListThatEnterChoosesFromAndEscCloses)
{
    const CString strNext = Row(2);
    ASSERT_TRUE(TypeAtPace("x "));
    ASSERT_TRUE(Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(List().IsShown());
    ASSERT_TRUE(Key(VK_DOWN));
    const CString strMovedTo = List().GetShownText(List().GetSelected());
    EXPECT_FALSE(strMovedTo.IsEmpty());
    ASSERT_TRUE(Key(VK_RETURN));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ("x " + strMovedTo, Row(1));
    EXPECT_STREQ(strNext, Row(2)) << "no line break";

    EmptyFirstRow();
    ASSERT_TRUE(TypeAtPace("whi"));
    ASSERT_TRUE(Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(List().IsShown());
    ASSERT_TRUE(Key(VK_RETURN));
    EXPECT_STREQ("while", Row(1));

    ASSERT_TRUE(TypeAtPace(" re"));
    ASSERT_TRUE(PumpUntil([this] { return List().IsShown() != FALSE; }));
    ASSERT_TRUE(Key(VK_SPACE, CTestInput::kControl));
    ASSERT_TRUE(List().IsShown()) << "Ctrl+Space over the list a space opened";
    EXPECT_STREQ("re", List().GetTypedText());
    ASSERT_TRUE(Key(VK_ESCAPE));
    EXPECT_FALSE(List().IsShown());
    EXPECT_STREQ("while re", Row(1));
}

}  // namespace
