// Saving a document: what its Serialize sees of the file, and what lands on disk.
#include <gtest/gtest.h>
#include "afxwin.h"
#include "TestFolder.h"

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

}  // namespace

TEST(DocumentSave, SerializeSeesTheDocumentsFileAndTheBytesReplaceIt)
{
    CTestFolder folder("kfw-document-save");
    ASSERT_TRUE(folder.Write("notes.c", "old text"));
    CNamedDocument doc;
    ASSERT_TRUE(doc.OnSaveDocument(folder.Path("notes.c").c_str()));
    EXPECT_STREQ("notes.c", doc.m_strSeenName);
    EXPECT_EQ("saved", folder.Read("notes.c"));
    WIN32_FIND_DATA found;
    HANDLE hFind = ::FindFirstFile(folder.Path("*.tmp").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, hFind) << "the file written beside it is gone";
    if (hFind != INVALID_HANDLE_VALUE)
        ::FindClose(hFind);
}
