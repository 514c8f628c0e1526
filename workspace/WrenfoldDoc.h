// WrenfoldDoc.h: the document of an editor window.
//
// Classes: CwrenfoldDoc.
#pragma once
#include "KTSyntaxEditDoc.h"
#include "ProjectBuild.h"
#include "ProjectReading.h"
#include "project/DiskState.h"

#include <optional>
#include <vector>

class CwrenfoldDoc;

// A folder a save put right before it wrote anything, and the editors whose text it keeps over a file the
// settling changed under them.
struct SettledFolder
{
    FolderRecovery recovery;
    std::vector<CwrenfoldDoc*> kept;
};

class CwrenfoldDoc : public CKTSyntaxEditDoc
{
    DECLARE_DYNCREATE(CwrenfoldDoc)
public:
    // Saved through "<file>.tmp" like the project file, so that a save killed midway leaves a
    // temporary that the next open or save of the project knows as its own and removes. A failed
    // save says why and leaves the document modified. A text of a Generate takes the texts of that
    // Generate that wait for their files with it.
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    // Its text no longer stands for the Generate that filled it.
    void OnCloseDocument() override;
    // The same save for several documents, each to its own file, and for the texts that wait with
    // them, silent and all or none: the files of one project's generated set belong together. On
    // failure every file is as it was, every document stays modified, and why names the file that
    // failed and says that none of them was written.
    // pSettled: their folder as a save that wrote into it first left it, which then is not settled again.
    static BOOL SaveTogether(const std::vector<CwrenfoldDoc*>& docs, CString* pError,
                             const SettledFolder* pSettled = nullptr);
    // Opens the file in an editor of the template, saying nothing when it cannot be read: for a file whose
    // first try the user was told of.
    static CDocument* OpenQuietly(CDocTemplate& editors, LPCTSTR lpszPathName);
    void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault) override;
    // What is at the editor's file under a text the editor keeps.
    enum class Under
    {
        Same,     // the file as the editor last read or wrote it, or the editor shows it now
        Changed,  // written or replaced since
        Missing
    };
    // Once its file may have been changed under it: an editor the user has not changed reads a file that now
    // holds another text again, its undo history and any Generate its text stood for going with the old text.
    Under ShowFileNow();
    // The user was told of the file as it is now: a later look finds it unchanged.
    void TakeFileAsSeen() { UpdateFileInfo(GetPathName()); }

private:
    static bool s_bQuiet;
    // Failures to read say nothing meanwhile.
    struct CQuiet
    {
        CQuiet() { s_bQuiet = true; }
        ~CQuiet() { s_bQuiet = false; }
    };
    enum class OnDisk
    {
        Same,
        Other,
        Unreadable
    };
    OnDisk CompareWithFile() const;
    Under FileSince();
    // The new text, or the old one kept whole: FALSE then.
    BOOL Reload();
    // A read that fails leaves the file as last seen, so that a later look still finds it changed.
    bool ReadFileAgain();
    CFile* GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) override;
    void ReleaseFile(CFile* pFile, BOOL bAbort) override;
    BOOL UpdateFileInfo(LPCTSTR lpszPathName) override;
    bool m_bKeepingEntry = false;  // a read anew takes the file's entry only once it worked
    // Of the bytes the editor last read or wrote, with the entry: a time alone may move where they do not.
    std::optional<ContentProof> m_seen;
    // The file a read holds: memory running out midway leaves it to the reader to let go.
    CFile* m_pReading = nullptr;
    struct Saving
    {
        CwrenfoldDoc* pDoc;
        CString strPath;
    };
    // With the texts of their Generate that wait, which then no longer do.
    static BOOL SaveWithWaiting(std::vector<Saving> savings, CString* pError, const SettledFolder* pSettled);
    static BOOL RefusedOnceSettled(const ProjectRecord* pProject, const std::vector<Saving>& savings,
                                   const FolderRecovery& settled, const std::vector<CwrenfoldDoc*>& kept,
                                   CString* pError);
    static CString KeptText(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts,
                            const std::vector<CwrenfoldDoc*>& kept, const FolderRecovery& settled);
    static void AddSavings(const std::vector<CKTSyntaxEditDoc*>& adding, std::vector<Saving>* pSavings,
                           std::vector<CKTSyntaxEditDoc*>* pDocs);
    static BOOL Save(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts, CString* pError);
    static CString UnseenText(const std::vector<CString>& edited, const std::vector<Saving>& savings,
                              const std::vector<WaitingText>& texts);
    static CString FirstPathOf(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts);
    static CString NoneWritten(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts);
    static CString NamesOf(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts);
    static CString NamesOf(const std::vector<CString>& paths);
    static BOOL WriteRows(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts, CString* pError,
                          bool* pLeftNew);
    void MarkSaved(LPCTSTR lpszPathName);
};
