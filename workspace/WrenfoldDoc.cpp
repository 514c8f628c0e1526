// The editor's document: the syntax-edit document under the designer's own class name, saved through
// the project's atomic writer.
#include "WrenfoldDoc.h"

#include "project/AtomicFile.h"
#include "project/FileHandle.h"
#include "project/RunFiles.h"
#include "project/SystemError.h"
#include "ProjectReading.h"
#include "WrenfoldApp.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CwrenfoldDoc, CKTSyntaxEditDoc)

namespace
{

const std::vector<WaitingText> kNoTexts;

// The text the rows make, a piece at a time; read under the rows' lock, so no edit changes them meanwhile.
ContentsSource RowsOf(const CKTSyntaxEditBufferManager* pBuffer, const CString& strPath)
{
    return [pBuffer, strPath](const PieceWriter& write, CString* why)
    {
        if (!pBuffer)
            return true;
        CKTSyntaxEditRowReadLock lock(pBuffer->GetRowLock());
        return pBuffer->Store(write, strPath, why) != FALSE;
    };
}

bool ReadFile(const CString& strPath, std::string* pText)
{
    std::ifstream in((LPCTSTR)strPath, std::ios::binary);
    pText->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.is_open() && !in.bad();
}

// What the files hold now, given back when their Generate is taken back. A file that cannot be read is left
// out: it keeps the Generate's text.
std::vector<WaitingText> HeldNow(const std::vector<WaitingText>& texts)
{
    std::vector<WaitingText> held;
    try
    {
        for (const WaitingText& text : texts)
        {
            std::string read;
            if (ReadFile(text.strPath, &read))
                held.push_back({text.strPath, std::move(read)});
        }
    }
    catch (const std::bad_alloc&)
    {
        held.clear();
    }
    return held;
}

// Without the memory to read it, a file is taken for changed: it is left as it is.
CWaitingTexts::Still HoldsStill(const WaitingText& written, const FolderRecovery& settled)
{
    try
    {
        std::string read;
        if (!ReadFile(written.strPath, &read))
        {
            // A file no longer there holds nothing of the Generate: nothing is at its name to give back over. Not
            // so where its folder is away, perhaps renamed for a moment, or a run cut off there that may hold it
            // aside is not put right: it may be back.
            const bool bGone = settled.pending == FolderRecovery::Pending::None &&
                               ::GetFileAttributes(written.strPath) == INVALID_FILE_ATTRIBUTES &&
                               ::GetLastError() == ERROR_FILE_NOT_FOUND;
            return bGone ? CWaitingTexts::Still::Changed : CWaitingTexts::Still::Unreadable;
        }
        return read == written.text ? CWaitingTexts::Still::Holds : CWaitingTexts::Still::Changed;
    }
    catch (const std::bad_alloc&)
    {
        return CWaitingTexts::Still::Changed;
    }
}

// Whether the file cannot be opened to be read because another program holds it.
bool IsHeld(const CString& strPath)
{
    const CFileHandle file(::CreateFile(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, 0, nullptr));
    return !file.IsOpen() && IsHeldFileError(::GetLastError());
}

// Why a file of a Generate taken back stops the save: another program holding it, and a run that may hold it
// aside or keeps the folder from being written, whose end the save waits for.
CString UnreadableText(const CString& strPath, const FolderRecovery& settled, const CString& strNames)
{
    const CString strUntil = settled.Until();
    const CString strWaits = strUntil.IsEmpty() ? CString() : "it waits" + strUntil;
    CString strWhy;
    if (IsHeld(strPath))
        strWhy = "; another program holds it" + (strWaits.IsEmpty() ? CString() : ", and " + strWaits);
    else if (!strWaits.IsEmpty())
        strWhy = "; " + strWaits;
    return "cannot read " + strPath + " to see whether another program changed it since its Generate was saved" +
           strWhy + "; none of " + strNames + " was written: saving again " +
           (strUntil.IsEmpty() ? "once it can be read" : "then") + " takes the Generate back";
}

// The file's entry as a listing of its folder gives it; false, the system's error left as it is, where there is none.
bool EntryOf(LPCTSTR lpszPath, WIN32_FIND_DATAA* pEntry)
{
    const HANDLE hFind = ::FindFirstFileA(lpszPath, pEntry);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(hFind);
    return true;
}

bool SameSize(const WIN32_FIND_DATAA& one, const WIN32_FIND_DATAA& other)
{
    return one.nFileSizeLow == other.nFileSizeLow && one.nFileSizeHigh == other.nFileSizeHigh;
}

bool SameEntry(const WIN32_FIND_DATAA& one, const WIN32_FIND_DATAA& other)
{
    return SameSize(one, other) && ::CompareFileTime(&one.ftLastWriteTime, &other.ftLastWriteTime) == 0;
}

}  // namespace

bool CwrenfoldDoc::s_bQuiet = false;

CDocument* CwrenfoldDoc::OpenQuietly(CDocTemplate& editors, LPCTSTR lpszPathName)
{
    CQuiet quiet;
    return editors.OpenDocumentFile(lpszPathName, TRUE);
}

void CwrenfoldDoc::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    if (!s_bQuiet || bSaving)
        CKTSyntaxEditDoc::ReportSaveLoadException(lpszPathName, e, bSaving, nIDPDefault);
}

CwrenfoldDoc::Under CwrenfoldDoc::ShowFileNow()
{
    if (!IsModified())
        switch (CompareWithFile())
        {
        case OnDisk::Same:
            // Its time may have moved with the same bytes: a later look then is spared reading them.
            TakeFileAsSeen();
            return Under::Same;
        case OnDisk::Other:
            if (Reload())
                return Under::Same;
            break;
        case OnDisk::Unreadable:
            break;
        }
    return FileSince();
}

// Piece by piece, as the rows give it: a big text is never copied whole.
CwrenfoldDoc::OnDisk CwrenfoldDoc::CompareWithFile() const
{
    const CKTSyntaxEditBufferManager* pBuffer = GetDataManager();
    try
    {
        std::ifstream in((LPCTSTR)GetPathName(), std::ios::binary);
        if (!pBuffer || !in.is_open())
            return OnDisk::Unreadable;
        bool bSame = true;
        std::vector<char> piece;
        const auto compare = [&](const void* pData, size_t nBytes)
        {
            if (!bSame)
                return;
            piece.resize(nBytes);
            bSame = in.read(piece.data(), std::streamsize(nBytes)) && std::memcmp(piece.data(), pData, nBytes) == 0;
        };
        CKTSyntaxEditRowReadLock lock(pBuffer->GetRowLock());
        // Refused only for a text changed since it was read, which an unmodified editor does not hold.
        if (!pBuffer->Store(compare, GetPathName(), nullptr))
            return OnDisk::Unreadable;
        if (in.bad())
            return OnDisk::Unreadable;
        return bSame && in.peek() == std::ifstream::traits_type::eof() ? OnDisk::Same : OnDisk::Other;
    }
    catch (const std::bad_alloc&)
    {
        return OnDisk::Unreadable;
    }
}

// A file that cannot be looked at now is taken for the same. Only other bytes are a change: a run's undo moves
// back an old file with its own time over a new one that held the same text, and a file written anew with the
// text it held gets a time of its own. Bytes that cannot be read are taken for changed.
CwrenfoldDoc::Under CwrenfoldDoc::FileSince()
{
    WIN32_FIND_DATAA now;
    if (!EntryOf(GetPathName(), &now))
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? Under::Missing : Under::Same;
    const WIN32_FIND_DATAA& then = GetFileInfo();
    if (!SameSize(now, then))
        return Under::Changed;
    if (SameEntry(now, then))
        return Under::Same;
    ContentProof proof;
    if (!m_seen || !ProofOf(GetPathName(), &proof) || !(proof == *m_seen))
        return Under::Changed;
    TakeFileAsSeen();
    return Under::Same;
}

// The new text comes with no undo history, so the Generate the old one held can no longer be taken back in this
// editor. A read that fails keeps the old text whole with its history; one that fails only once the new text is
// in leaves that text, whole.
BOOL CwrenfoldDoc::Reload()
{
    if (!ReadFileAgain())
    {
        if (CompareWithFile() != OnDisk::Same)
            return FALSE;
        UpdateAllViews(nullptr, ktHintWholeText, nullptr);
        TakeFileAsSeen();
    }
    static_cast<CwrenfoldApp*>(AfxGetApp())->WaitingTexts().Closed(*this);
    return TRUE;
}

bool CwrenfoldDoc::ReadFileAgain()
{
    // The reader lets go of its file only once it read it whole or failed as it expects to; it takes the file's
    // entry whatever the read did.
    struct CReadingAgain
    {
        CwrenfoldDoc& doc;
        ~CReadingAgain()
        {
            doc.m_bKeepingEntry = false;
            if (doc.m_pReading)
                doc.ReleaseFile(doc.m_pReading, TRUE);
        }
    } reading{*this};
    m_bKeepingEntry = true;
    try
    {
        CQuiet quiet;
        if (!OnOpenDocument(GetPathName()))
            return false;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    m_bKeepingEntry = false;
    return UpdateFileInfo(GetPathName());
}

// The bytes are read again, not summed from the rows: a file read need not be the text its rows would write. A
// write by another program between the entry and the read would put its bytes' proof under the entry of those
// before, and a later look would take the write for none: where the entry moved meanwhile, no proof is kept, and
// that look finds the file changed.
BOOL CwrenfoldDoc::UpdateFileInfo(LPCTSTR lpszPathName)
{
    if (m_bKeepingEntry)
        return TRUE;
    if (!CKTSyntaxEditDoc::UpdateFileInfo(lpszPathName))
        return FALSE;
    ContentProof proof;
    WIN32_FIND_DATAA after;
    m_seen.reset();
    if (ProofOf(lpszPathName, &proof) && EntryOf(lpszPathName, &after) && SameEntry(after, GetFileInfo()))
        m_seen = proof;
    return TRUE;
}

CFile* CwrenfoldDoc::GetFile(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = CKTSyntaxEditDoc::GetFile(lpszFileName, nOpenFlags, pError);
    if ((nOpenFlags & (CFile::modeWrite | CFile::modeReadWrite)) == 0)
        m_pReading = pFile;
    return pFile;
}

void CwrenfoldDoc::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (pFile == m_pReading)
        m_pReading = nullptr;
    CKTSyntaxEditDoc::ReleaseFile(pFile, bAbort);
}

BOOL CwrenfoldDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    CString strError;
    if (SaveWithWaiting({{this, lpszPathName}}, &strError, nullptr))
        return TRUE;
    AfxMessageBox(strError, MB_ICONEXCLAMATION);
    return FALSE;
}

void CwrenfoldDoc::OnCloseDocument()
{
    static_cast<CwrenfoldApp*>(AfxGetApp())->WaitingTexts().Closed(*this);
    CKTSyntaxEditDoc::OnCloseDocument();
}

BOOL CwrenfoldDoc::SaveTogether(const std::vector<CwrenfoldDoc*>& docs, CString* pError, const SettledFolder* pSettled)
{
    std::vector<Saving> savings;
    for (CwrenfoldDoc* pDoc : docs)
        savings.push_back({pDoc, pDoc->GetPathName()});
    return SaveWithWaiting(savings, pError, pSettled);
}

// An open editor of a waiting text takes it first and is saved with the rest, whichever save it is: its
// file and its editor then agree.
BOOL CwrenfoldDoc::SaveWithWaiting(std::vector<Saving> savings, CString* pError, const SettledFolder* pSettled)
{
    CwrenfoldApp& app = *static_cast<CwrenfoldApp*>(AfxGetApp());
    CWaitingTexts& waiting = app.WaitingTexts();
    // A save to another path (Save As) takes a copy elsewhere: the Generate's texts stay with the editor's file.
    std::vector<CKTSyntaxEditDoc*> docs;
    for (const Saving& saving : savings)
        if (saving.strPath.CompareNoCase(saving.pDoc->GetPathName()) == 0)
            docs.push_back(saving.pDoc);
    const ProjectRecord* pProject = waiting.DueWith(docs);
    if (!pProject && savings.empty())
        return TRUE;
    // A run cut off in the folder is put right, and the editors agree with what it put back, before anything is
    // written, and told once: the write then finds nothing of it. What the files of a Generate hold is read only
    // after: the run may hold one aside meanwhile, not at its name.
    SettledFolder settledHere;
    if (!pSettled)
    {
        settledHere.recovery = app.SettleFolder(
            pProject ? pProject->folder : FolderOf(savings.front().strPath),
            "Saving " + NamesOf(savings, pProject ? waiting.Of(*pProject) : kNoTexts), &settledHere.kept);
        pSettled = &settledHere;
    }
    const FolderRecovery& settled = pSettled->recovery;
    if (RefusedOnceSettled(pProject, savings, settled, pSettled->kept, pError))
        return FALSE;
    if (!pProject)
        return Save(savings, {}, pError);
    std::vector<CString> edited;
    AddSavings(app.ShowWaitingTexts(*pProject, &edited), &savings, &docs);
    const std::vector<WaitingText>& texts = waiting.Of(*pProject);
    if (!edited.empty())
    {
        *pError = UnseenText(edited, savings, texts);
        return FALSE;
    }
    std::vector<WaitingText> before = waiting.FilesAsTheyWere(*pProject) ? HeldNow(texts) : std::vector<WaitingText>();
    if (!Save(savings, texts, pError))
        return FALSE;
    waiting.Written(*pProject, std::move(before));
    return TRUE;
}

// A file of a Generate taken back that cannot be read stops the save, and so does a run that the write would find
// again and be refused by: the settling has just told it. So does a file put back under an editor being saved,
// which the user has not seen yet.
BOOL CwrenfoldDoc::RefusedOnceSettled(const ProjectRecord* pProject, const std::vector<Saving>& savings,
                                      const FolderRecovery& settled, const std::vector<CwrenfoldDoc*>& kept,
                                      CString* pError)
{
    CWaitingTexts& waiting = static_cast<CwrenfoldApp*>(AfxGetApp())->WaitingTexts();
    const std::vector<WaitingText>& texts = pProject ? waiting.Of(*pProject) : kNoTexts;
    const auto holds = [&settled](const WaitingText& written) { return HoldsStill(written, settled); };
    const CString strUnreadable = pProject ? waiting.KeepChanged(*pProject, holds) : CString();
    const CString strKept = KeptText(savings, texts, kept, settled);
    if (!strUnreadable.IsEmpty())
        *pError = UnreadableText(strUnreadable, settled, NamesOf(savings, texts));
    else if (!strKept.IsEmpty())
        *pError = strKept;
    else if (settled.pending == FolderRecovery::Pending::Blocked)
        *pError = "cannot replace " + FirstPathOf(savings, texts) + settled.Until() + NoneWritten(savings, texts);
    else
        return FALSE;
    return TRUE;
}

// Written over at once, the file the run put back would be lost unseen; saving again writes the editor's text
// knowingly. Empty where no editor being saved keeps its text over such a file.
CString CwrenfoldDoc::KeptText(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts,
                               const std::vector<CwrenfoldDoc*>& kept, const FolderRecovery& settled)
{
    std::vector<CString> paths;
    for (const Saving& saving : savings)
        if (SamePath(saving.strPath, saving.pDoc->GetPathName()) &&
            std::find(kept.begin(), kept.end(), saving.pDoc) != kept.end())
            paths.push_back(saving.strPath);
    if (paths.empty())
        return CString();
    const CString strNone = savings.size() + texts.size() > 1 ? "none of " + NamesOf(savings, texts) + " was written"
                                                              : CString("it was not written");
    const bool bOne = paths.size() == 1;
    return NamesOf(paths) +
           (bOne ? " changed on disk under its editor, which keeps"
                 : " changed on disk under their editors, which keep") +
           " your text (the output pane says how); " + strNone + ", so that you see what is on disk first" +
           // While the folder's run waits, saving again is refused by it: the text goes over the file only after.
           settled.ThenWrites("saving again writes your text over it");
}

void CwrenfoldDoc::AddSavings(const std::vector<CKTSyntaxEditDoc*>& adding, std::vector<Saving>* pSavings,
                              std::vector<CKTSyntaxEditDoc*>* pDocs)
{
    for (CKTSyntaxEditDoc* pAdding : adding)
        if (auto* pDoc = dynamic_cast<CwrenfoldDoc*>(pAdding);
            pDoc && std::find(pDocs->begin(), pDocs->end(), pAdding) == pDocs->end())
        {
            pSavings->push_back({pDoc, pDoc->GetPathName()});
            pDocs->push_back(pDoc);
        }
}

BOOL CwrenfoldDoc::Save(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts, CString* pError)
{
    if (savings.empty() && texts.empty())
        return TRUE;
    BOOL bWritten = FALSE;
    bool bLeftNew = false;
    try
    {
        bWritten = WriteRows(savings, texts, pError, &bLeftNew);
    }
    catch (const std::bad_alloc&)
    {
        *pError = "cannot save " + FirstPathOf(savings, texts) + ": not enough memory";
    }
    if (!bWritten)
    {
        if (!bLeftNew)
            *pError += NoneWritten(savings, texts);
        return FALSE;
    }
    for (const Saving& saving : savings)
        saving.pDoc->MarkSaved(saving.strPath);
    return TRUE;
}

// A text that took the place of the user's edits is written only once the user has seen it, and the rest of
// its group with it. The save fails, so that a Close or an Exit does not throw the editors away.
// Save All is there only while a project is current: a Close All makes the one it could not close current again
// once the refusal is read, though it may have closed another before.
CString CwrenfoldDoc::UnseenText(const std::vector<CString>& edited, const std::vector<Saving>& savings,
                                 const std::vector<WaitingText>& texts)
{
    const CwrenfoldApp& app = *static_cast<CwrenfoldApp*>(AfxGetApp());
    return "what waited for " + NamesOf(edited) +
           (edited.size() > 1 ? " was put into their editors" : " was put into its editor") +
           " in place of your edits (Ctrl+Z there brings them back); none of " + NamesOf(savings, texts) +
           " was written, so that you see it first: " +
           (app.OffersSaveAll() ? "Save All writes them" : "once a project is selected, Save All writes them");
}

CString CwrenfoldDoc::FirstPathOf(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts)
{
    return savings.empty() ? texts.front().strPath : savings.front().strPath;
}

// Said of a group only: one file's refusal says it already.
CString CwrenfoldDoc::NoneWritten(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts)
{
    return savings.size() + texts.size() > 1 ? "; none of " + NamesOf(savings, texts) + " was written" : CString();
}

CString CwrenfoldDoc::NamesOf(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts)
{
    std::vector<CString> paths;
    for (const Saving& saving : savings)
        paths.push_back(saving.strPath);
    for (const WaitingText& text : texts)
        paths.push_back(text.strPath);
    return NamesOf(paths);
}

// The files by their names alone, as their editors' tabs show them.
CString CwrenfoldDoc::NamesOf(const std::vector<CString>& paths)
{
    CString strNames;
    for (const CString& strPath : paths)
        strNames += (strNames.IsEmpty() ? "" : ", ") + strPath.Mid(strPath.ReverseFind('\\') + 1);
    return strNames;
}

// Written aside while the window answers, straight from the rows: a big text is never copied whole.
// Input waits for long work, so no edit waits for the rows meanwhile, and each file gets the text its
// editor still shows when the write ends.
BOOL CwrenfoldDoc::WriteRows(const std::vector<Saving>& savings, const std::vector<WaitingText>& texts, CString* pError,
                             bool* pLeftNew)
{
    std::vector<NewFileContents> files;
    for (const Saving& saving : savings)
        files.push_back({saving.strPath, RowsOf(saving.pDoc->GetDataManager(), saving.strPath)});
    for (const WaitingText& text : texts)
        files.push_back({text.strPath, ContentsOf(text.text.data(), text.text.size())});
    bool bWritten = false;
    CString strTold;
    CwrenfoldApp* pApp = static_cast<CwrenfoldApp*>(AfxGetApp());
    pApp->RunLongWork("Saving " + NamesOf(savings, texts) + "...",
                      [&] { bWritten = ReplaceFilesTogether(files, pError, &strTold, pLeftNew); });
    if (!strTold.IsEmpty())
        pApp->AddOutputLine("Saving " + NamesOf(savings, texts) + ": " + strTold);
    return bWritten;
}

void CwrenfoldDoc::MarkSaved(LPCTSTR lpszPathName)
{
    CKTSyntaxEditBufferManager* pBuffer = GetDataManager();
    const CString strTypeBefore = pBuffer ? pBuffer->GetFileExt() : CString();
    if (pBuffer)
        pBuffer->MarkStored(lpszPathName);
    SetModifiedFlag(FALSE);
    UpdateFileInfo(lpszPathName);
    // The editor shows the same text: only a new file type, which colours it anew, redraws it.
    if (pBuffer && pBuffer->GetFileExt() != strTypeBefore)
        UpdateAllViews(NULL, ktHintWholeText, NULL);
}
