// The text of one editor: rows, line-end style, encoding, undo history, line marks and parser.
// Classes: CKTSyntaxEditBufferManager.
#pragma once

#include <afxwin.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "KTNotificationConnection.h"
#include "KTSyntaxEditLexParserLink.h"
#include "KTSyntaxEditLineArray.h"
#include "KTSyntaxEditLineMarks.h"
#include "KTSyntaxEditNewText.h"
#include "KTSyntaxEditRowLock.h"
#include "KTSyntaxEditTextPos.h"
#include "KTSyntaxEditUnicodeOriginal.h"
#include "KTSyntaxEditUndoRedoManager.h"

// Rows, the line-end style and the file type change only on the thread that
// owns the buffer, under the row lock's exclusive side; that thread reads
// without locking. Any other thread reads under the shared side
// (CKTSyntaxEditRowReadLock on GetRowLock()), or through
// CKTSyntaxEditBufferIterator, which does so for each row it copies.
class CKTSyntaxEditLexTextSchema;

// A whole new text made ready aside to replace every row of one buffer: split, and with the undo step
// that will keep the old rows already made, so that putting it in asks for no memory.
class CKTSyntaxEditPreparedText
{
public:
    CKTSyntaxEditPreparedText(std::unique_ptr<CKTSyntaxEditReplaceAllCommand> pCommand, BOOL bEmpty);
    BOOL IsEmpty() const { return m_bEmpty; }
    CKTSyntaxEditReplaceAllCommand& Command() const;
    CKTSyntaxEditUndoRedoManager::CPreparedStep& Step() { return m_step; }

private:
    CKTSyntaxEditUndoRedoManager::CPreparedStep m_step;  // holds the command with the new rows
    BOOL m_bEmpty;                                       // the new text has no characters
};

class CKTSyntaxEditBufferManager : public CCmdTarget
{
    DECLARE_DYNCREATE(CKTSyntaxEditBufferManager)
public:
    enum LineEndStyle
    {
        lesCRLF = 0,
        lesLFCR = 1,
        lesLF = 2,
    };

    CKTSyntaxEditBufferManager();
    ~CKTSyntaxEditBufferManager() override;

    // Installs the function that gives every new buffer its parser.
    static void SetLexParserFactory(PFN_KT_CREATE_LEXPARSER pfnCreate);

    CKTNotificationConnection* GetConnection() const { return m_ptrConnection; }
    CKTSyntaxEditLexParserLink* GetLexParser() const { return m_pLexParser; }
    CKTSyntaxEditUndoRedoManager* GetUndoRedoManager() { return &m_UndoRedoManager; }
    CKTSyntaxEditLineMarksManager* GetLineMarksManager() { return &m_LineMarksManager; }
    CKTSyntaxEditRowLock& GetRowLock() const { return m_RowLock; }

    // Rows, 1-based.
    int GetRowCount() const { return m_Lines.GetRowCount(); }
    BOOL GetLineText(int nRow, CString& strText, BOOL bAddLineEnd = FALSE, int nStyle = -1) const;
    CString GetLineTextEx(int nRow, BOOL bAddLineEnd = FALSE, int nStyle = -1) const;
    int GetLineLength(int nRow) const { return m_Lines.GetLengthAt(nRow); }
    // Copies the row and its line end into pDest when they fit, without
    // allocating; returns the bytes they need, -1 for a row out of range.
    int CopyLineText(int nRow, char* pDest, int nCapacity) const;
    LPCSTR GetLineEndText() const { return GetLineEndTextOfStyle(m_nLineEndStyle); }
    static LPCSTR GetLineEndTextOfStyle(int nStyle);
    static LPCWSTR GetLineEndTextOfStyleW(int nStyle);
    BOOL IsLineEndText(LPCSTR pszText, BOOL bBackwards) const;
    int GetMaxLineTextLength(int nFirstRow, int nLastRow) const;
    int GetMaxLineTextLengthAll() const { return GetMaxLineTextLength(1, -1); }

    // Settings.
    // The options page offers these; a size from elsewhere is brought into them.
    static constexpr int kMinTabSize = 1;
    static constexpr int kMaxTabSize = 64;
    int GetTabSize() const { return m_nTabSize; }
    BOOL SetTabSize(int nSize, BOOL bSave);
    int GetLineEndStyle() const { return m_nLineEndStyle; }
    UINT GetCodePage() const { return m_nCodePage; }
    BOOL IsUnicodeFile() const { return m_bUnicodeFile; }
    BOOL GetOverwriteMode() const { return m_bOverwriteMode; }
    void SetOverwriteMode(BOOL bOverwrite) { m_bOverwriteMode = bOverwrite; }
    CString GetFileExt() const { return m_strFileExt; }
    void SetFileExt(LPCSTR pszType);
    BOOL IsSyntaxColor() const { return m_bSyntaxColor; }
    void EnableSyntaxColor(BOOL bOn);
    BOOL IsModified() const { return m_UndoRedoManager.IsModified(); }

    // The shared syntax configuration. A file that does not exist yet is
    // watched until it appears; FALSE without a configuration, or when the
    // system cannot start the watch on its files.
    CString GetConfigFile() const;
    BOOL SetConfigFile(LPCSTR pszPath);
    // The configuration's schema for a file type; none without one. Built
    // with the lexer layer, which knows the schema.
    CKTSmartPtr<CKTSyntaxEditLexTextSchema> GetSchemaForFileType(LPCSTR pszType) const;
    // The look-back a reader of the text keeps, as the schema of the file type
    // says; the option's default without a parser.
    static constexpr int kDefaultBackParseOffset = 100;
    int GetMaxBackParseOffset() const;

    // Column conversions; offsets are 0-based, display columns 1-based.
    virtual int GetCharOffsetOfColumn(int nRow, int nColumn) const;
    virtual int GetColumnOfCharOffset(int nRow, int nOffset) const;
    virtual int EstimateTextSize(int nRowA, int nRowB) const;
    // The configuration's events 10, 11 and 12 on the buffer's thread: acted
    // on while colouring is on, and passed to the buffer's subscribers when
    // they changed its colouring (10: lParam the scheme's schema or NULL;
    // 11: wParam the theme's name).
    virtual void OnConfigManagerEvent(DWORD dwCode, WPARAM wParam, LPARAM lParam);

    // Editing; positions are 1-based character positions unless stated.
    BOOL InsertText(LPCSTR pszText, int nRow, int nPos, BOOL bRecordUndo, KT_EDIT_TEXTPOS* pEnd = NULL);
    BOOL InsertTextBlock(LPCSTR pszText, int nRow, int nPos, BOOL bRecordUndo, KT_EDIT_TEXTPOS* pEnd = NULL);
    BOOL DeleteText(int nRow1, int nCol1, int nRow2, int nCol2, BOOL bRecordUndo, BOOL bDisplayColumns);
    // Every row replaced by the text's as one undo step, the line-end style by the text's first one;
    // the ends of the old and the new text. FALSE, with nothing recorded, when both texts are empty.
    BOOL ReplaceAllText(LPCSTR pszText, KT_EDIT_TEXTPOS& lcOldEnd, KT_EDIT_TEXTPOS& lcNewEnd);
    // The same with a text split aside; what is left of it is split first.
    BOOL ReplaceAllText(CKTSyntaxEditNewText& text, KT_EDIT_TEXTPOS& lcOldEnd, KT_EDIT_TEXTPOS& lcNewEnd);
    // Everything ReplaceAllText needs memory for, done before the buffer changes: several buffers can
    // then take their new texts all or none. Throws std::bad_alloc with the buffer as it was.
    std::unique_ptr<CKTSyntaxEditPreparedText> PrepareReplaceAll(CKTSyntaxEditNewText& text);
    // The prepared text put in, once; asks for no memory.
    BOOL ReplaceAllText(CKTSyntaxEditPreparedText& text, KT_EDIT_TEXTPOS& lcOldEnd, KT_EDIT_TEXTPOS& lcNewEnd);
    // Puts the rows, the style and the file's bytes kept with them in the buffer's place and the
    // buffer's into them; for replaying a replacement.
    void SwapRows(CKTSyntaxEditLineArray& rows, int& nLineEndStyle,
                  std::unique_ptr<CKTSyntaxEditUnicodeOriginal>& pUnicodeOriginal);
    // The position after the last character.
    KT_EDIT_TEXTPOS GetEndPos() const;
    BOOL ChangeCase(int nRow, int nDispCol1, int nDispCol2, BOOL bUpper, BOOL bRecordUndo);
    // The text between two character positions, rows joined by the buffer's line end.
    CString GetTextRange(const KT_EDIT_TEXTPOS& lcFrom, const KT_EDIT_TEXTPOS& lcTo) const;
    // Copies a range given in display columns into a file.
    BOOL GetBuffer(int nRow1, int nDispCol1, int nRow2, int nDispCol2, CFile* pFile, BOOL bColumnBlock,
                   BOOL bForceCRLF) const;

    void Close();
    void Load(CFile* pFile, LPCSTR pszFileType = NULL);
    // Storing throws CKTSyntaxEditStoreRefused where Store refuses.
    void Serialize(CArchive& ar) override;
    // The bytes a save to another file would write (none where Store refuses); then MarkStored once they are.
    std::string GetFileImage() const;
    // The bytes a save to the path writes, handed to write a piece at a time, for a text too big to copy
    // whole. A UTF-16 file whose characters did not all fit the rows is written back as it was while the
    // rows are unchanged; changed, they are not written over it: FALSE then, with nothing written and why.
    BOOL Store(const std::function<void(const void*, size_t)>& write, LPCSTR pszPath, CString* pWhy) const;
    void MarkStored(LPCSTR pszPathName);

private:
    void ClearText();
    // Whether a character of a UTF-16 file had no ANSI form.
    static BOOL ReadRows(CFile* pFile, BOOL bUnicode, CKTSyntaxEditLineArray& rows, int& nLineEndStyle);
    static std::unique_ptr<CKTSyntaxEditUnicodeOriginal> UnicodeOriginalOf(CFile* pFile,
                                                                           const CKTSyntaxEditLineArray& rows,
                                                                           int nLineEndStyle);
    void StoreRows(const std::function<void(const void*, size_t)>& write) const;
    void NoteStoredTo(LPCSTR pszPathName);
    void PlaceFirstPiece(int nRow, int nOffset, const CString& strPiece, CString& strTail, CString& strOverwritten);
    KT_EDIT_TEXTPOS PlaceOtherPieces(int nRow, const std::vector<CString>& pieces, BOOL bEndsWithLineEnd,
                                     const CString& strTail);
    CString GapText(int nLastRow, int nRow, int nPad) const;
    KT_EDIT_TEXTPOS GapStart(int nLastRow, int nRow, int nPos) const;
    void RecordInsert(LPCSTR pszText, const CString& strOverwritten, const KT_EDIT_TEXTPOS& lcStart,
                      const KT_EDIT_TEXTPOS& lcEnd);
    BOOL ClipRange(int& nRow1, int& nCol1, int& nRow2, int& nCol2, BOOL bDisplayColumns) const;
    void RecordDelete(int nRow1, int nOffset1, int nRow2, int nOffset2);
    void JoinRows(int nRow1, int nOffset1, int nRow2, int nOffset2);
    CString CopyRange(int nRow1, int nDispCol1, int nRow2, int nDispCol2, BOOL bColumnBlock, BOOL bForceCRLF) const;

    int m_nAverageLineLen = 30;                              // characters per row assumed when sizing copies
    CKTSmartPtr<CKTNotificationConnection> m_ptrConnection;  // views subscribe to it
    int m_nTabSize = 4;                                      // kMinTabSize to kMaxTabSize
    int m_nLineEndStyle = lesCRLF;                           // one style for the whole text
    UINT m_nCodePage = 0;                                    // 0: the system ANSI code page
    BOOL m_bUnicodeFile = FALSE;                             // loaded from and stored as UTF-16
    // Only when the rows lost characters of the UTF-16 file they were read from.
    std::unique_ptr<CKTSyntaxEditUnicodeOriginal> m_pUnicodeOriginal;
    BOOL m_bOverwriteMode = FALSE;  // insertion overwrites what follows
    CKTSyntaxEditUndoRedoManager m_UndoRedoManager;
    CKTSyntaxEditLineMarksManager m_LineMarksManager;
    CKTSyntaxEditLexParserLink* m_pLexParser = NULL;  // created by the factory, released here
    CString m_strFileExt;                             // ".c" etc.; selects the schema
    BOOL m_bSyntaxColor = TRUE;
    CKTSyntaxEditLineArray m_Lines;
    mutable CKTSyntaxEditRowLock m_RowLock;  // see the class comment
};
