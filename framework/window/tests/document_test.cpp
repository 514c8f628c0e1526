// Saving a document: what its Serialize sees of the file, and what lands on disk.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "TestFolder.h"

#include <string>
#include <vector>

namespace
{

// Remembers the name its archive's file gives, as an editor that picks its colouring by extension does.
class CNamedDocument : public CDocument
{
public:
    void Serialize(CArchive& ar) override
    {
        m_strSeenName = ar.GetFile()->GetFileName();
        ar.Write("saved", 5);
    }
    CString m_strSeenName;
};

// A file that notes what is done to it; its flush fails on request, as a failing disk's would.
class CNotingFile : public CFile
{
public:
    CNotingFile(std::vector<std::string>& calls, bool bFlushFails) : m_calls(calls), m_bFlushFails(bFlushFails) {}
    void Flush() override
    {
        m_calls.push_back("flush");
        if (m_bFlushFails)
            AfxThrowFileException(CFileException::diskFull, -1, GetFilePath());
        CFile::Flush();
    }
    void Close() override
    {
        m_calls.push_back("close");
        CFile::Close();
    }

private:
    std::vector<std::string>& m_calls;
    bool m_bFlushFails;
};

class CNotingDocument : public CNamedDocument
{
public:
    explicit CNotingDocument(bool bFlushFails) : m_bFlushFails(bFlushFails) {}
    CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) override
    {
        auto* pFile = new CNotingFile(m_calls, m_bFlushFails);
        if (pFile->Open(lpszFileName, nOpenFlags, pError))
            return pFile;
        delete pFile;
        return nullptr;
    }
    void ReportSaveLoadException(LPCTSTR, CException* e, BOOL, UINT) override
    {
        m_nReports++;
        char szCause[512] = "";
        if (e->GetErrorMessage(szCause, sizeof szCause))
            m_strReported = szCause;
    }

    std::vector<std::string> m_calls;
    int m_nReports = 0;
    std::string m_strReported;

private:
    bool m_bFlushFails;
};

bool HoldsATemporary(const CTestFolder& folder)
{
    WIN32_FIND_DATA found;
    HANDLE hFind = ::FindFirstFile(folder.Path("*.tmp").c_str(), &found);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(hFind);
    return true;
}

}  // namespace

TEST(DocumentSave, TheNewFileReachesTheDiskBeforeItReplacesTheOldAndAFailedFlushKeepsTheOld)
{
    CTestFolder folder("kfw-document-flush");
    ASSERT_TRUE(folder.Write("notes.c", "old text"));
    CNotingDocument saved(false);
    ASSERT_TRUE(saved.OnSaveDocument(folder.Path("notes.c").c_str()));
    EXPECT_EQ((std::vector<std::string>{"flush", "close"}), saved.m_calls);
    EXPECT_EQ("saved", folder.Read("notes.c"));

    ASSERT_TRUE(folder.Write("notes.c", "old text"));
    CNotingDocument failing(true);
    EXPECT_FALSE(failing.OnSaveDocument(folder.Path("notes.c").c_str()));
    EXPECT_EQ(1, failing.m_nReports);
    EXPECT_EQ("old text", folder.Read("notes.c"));
}

// Wine would move the new file over a read-only one and drop the attribute; Windows refuses.
TEST(DocumentSave, AReadOnlyFileIsRefusedAsWindowsWouldAndKeptAsItWas)
{
    CTestFolder folder("kfw-document-read-only");
    ASSERT_TRUE(folder.Write("notes.c", "old text"));
    const std::string strPath = folder.Path("notes.c");
    ASSERT_TRUE(::SetFileAttributes(strPath.c_str(), FILE_ATTRIBUTE_READONLY));
    CNotingDocument doc(false);
    EXPECT_FALSE(doc.OnSaveDocument(strPath.c_str()));
    EXPECT_EQ(1, doc.m_nReports);
    EXPECT_EQ("Access to the file was denied. (" + strPath + ")", doc.m_strReported);
    EXPECT_EQ("old text", folder.Read("notes.c"));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY), ::GetFileAttributes(strPath.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(HoldsATemporary(folder)) << "the file written beside it is gone";
    ::SetFileAttributes(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DocumentSave, SerializeSeesTheDocumentsFileAndTheBytesReplaceIt)
{
    CTestFolder folder("kfw-document-save");
    ASSERT_TRUE(folder.Write("notes.c", "old text"));
    CNamedDocument doc;
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("notes.c").c_str()));
    EXPECT_STREQ("notes.c", doc.m_strSeenName);
    EXPECT_EQ("saved", folder.Read("notes.c"));
    EXPECT_FALSE(HoldsATemporary(folder)) << "the file written beside it is gone";
}
