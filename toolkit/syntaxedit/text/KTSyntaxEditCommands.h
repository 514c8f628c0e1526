// Undoable edit commands of the text buffer: insert, delete, replace, and batches of them.
// Classes: CKTSyntaxEditCaretHost, CKTSyntaxEditCommand, CKTSyntaxEditBatchCommand,
// CKTSyntaxEditBufferCommand, CKTSyntaxEditDeleteStringCommand,
// CKTSyntaxEditInsertStringCommand, CKTSyntaxEditReplaceStringCommand, CKTSyntaxEditReplaceAllCommand.
#pragma once

#include <afx.h>

#include <list>
#include <memory>

#include "KTSyntaxEditLineArray.h"
#include "KTSyntaxEditTextPos.h"
#include "KTSyntaxEditUnicodeOriginal.h"

class CKTSyntaxEditBufferManager;

// What a replayed command needs of the edit control: a place for the caret.
class CKTSyntaxEditCaretHost
{
public:
    virtual ~CKTSyntaxEditCaretHost() = default;
    virtual void SetCaretTextPos(const KT_EDIT_TEXTPOS& pos) = 0;
};

// What a replay changed, so the control knows what to move and redraw: the
// kind of command, and the change bits that the control passes on to its
// notify window with the changed rows. A batch returns the OR of its commands'.
enum : DWORD
{
    KT_EDIT_CHANGE_ROWS_INSERTED = 0x1,  // the line marks below move down
    KT_EDIT_CHANGE_ROWS_DELETED = 0x2,   // the line marks of removed rows go, those below move up
    KT_EDIT_CHANGE_TEXT = 0x4,           // characters changed: the range is not empty

    KT_EDIT_ACTION_INSERT = 0x100,
    KT_EDIT_ACTION_DELETE = 0x200,
    KT_EDIT_ACTION_REPLACE = KT_EDIT_ACTION_INSERT | KT_EDIT_ACTION_DELETE,
};

class CKTSyntaxEditCommand : public CObject
{
    DECLARE_DYNAMIC(CKTSyntaxEditCommand)
public:
    CKTSyntaxEditCommand();

    // Redo and undo; both report the changed range and return action flags.
    virtual DWORD Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) = 0;
    virtual DWORD UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) = 0;
    virtual CString GetCommandText() const;
    virtual void SetCommandText(LPCSTR pszText);

protected:
    CString m_strCommandText;  // shown in the undo and redo menu items
};

class CKTSyntaxEditBatchCommand : public CKTSyntaxEditCommand
{
    DECLARE_DYNAMIC(CKTSyntaxEditBatchCommand)
public:
    CKTSyntaxEditBatchCommand();

    DWORD Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;
    DWORD UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;

    void AddHead(CKTSyntaxEditCommand* pCommand);
    int GetCount() const { return int(m_CommandList.size()); }
    BOOL IsEmpty() const { return m_CommandList.empty(); }

private:
    std::list<std::unique_ptr<CKTSyntaxEditCommand>> m_CommandList;  // newest first
};

class CKTSyntaxEditBufferCommand : public CKTSyntaxEditCommand
{
    DECLARE_DYNAMIC(CKTSyntaxEditBufferCommand)
public:
    // The command's name is the string nNameID followed by its text, until one is set.
    CKTSyntaxEditBufferCommand(CKTSyntaxEditBufferManager* pBufferMgr, UINT nNameID, LPCSTR pszText,
                               const KT_EDIT_TEXTPOS& lcFrom, const KT_EDIT_TEXTPOS& lcTo);

    CString GetCommandText() const override;
    void SetCommandText(LPCSTR pszText) override;
    const KT_EDIT_TEXTPOS& GetFrom() const { return m_lcFrom; }
    const KT_EDIT_TEXTPOS& GetTo() const { return m_lcTo; }

protected:
    virtual CString GetText() const { return m_strText; }
    DWORD DoInsert(LPCSTR pszText, BOOL bOverwrite, KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                   CKTSyntaxEditCaretHost* pCtrl);
    DWORD DoDelete(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl);
    DWORD ReportRange(DWORD dwAction, KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo) const;

    CKTSyntaxEditBufferManager* m_pBufferMgr;  // not owned: the buffer owns the history
    CString m_strText;                         // the text inserted or deleted
    KT_EDIT_TEXTPOS m_lcFrom;                  // start, character position
    KT_EDIT_TEXTPOS m_lcTo;                    // end, character position

private:
    UINT m_nNameID;
    BOOL m_bNamed = FALSE;  // SetCommandText replaced the name
};

class CKTSyntaxEditDeleteStringCommand : public CKTSyntaxEditBufferCommand
{
    DECLARE_DYNAMIC(CKTSyntaxEditDeleteStringCommand)
public:
    CKTSyntaxEditDeleteStringCommand(CKTSyntaxEditBufferManager* pBufferMgr, LPCSTR pszText,
                                     const KT_EDIT_TEXTPOS& lcFrom, const KT_EDIT_TEXTPOS& lcTo);

    DWORD Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;
    DWORD UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;
};

// The inserted text is held only while undone: while done the buffer has it,
// and a whole-text replacement would otherwise keep a second copy of the text.
class CKTSyntaxEditInsertStringCommand : public CKTSyntaxEditBufferCommand
{
    DECLARE_DYNAMIC(CKTSyntaxEditInsertStringCommand)
public:
    CKTSyntaxEditInsertStringCommand(CKTSyntaxEditBufferManager* pBufferMgr, LPCSTR pszText,
                                     const KT_EDIT_TEXTPOS& lcFrom, const KT_EDIT_TEXTPOS& lcTo);

    DWORD Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;
    DWORD UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;

protected:
    CString GetText() const override;

private:
    BOOL m_bInBuffer = TRUE;
};

// An overwrite: m_strText is the new text, m_strReplacedText what it covered.
class CKTSyntaxEditReplaceStringCommand : public CKTSyntaxEditBufferCommand
{
    DECLARE_DYNAMIC(CKTSyntaxEditReplaceStringCommand)
public:
    CKTSyntaxEditReplaceStringCommand(CKTSyntaxEditBufferManager* pBufferMgr, LPCSTR pszText, LPCSTR pszReplacedText,
                                      const KT_EDIT_TEXTPOS& lcFrom, const KT_EDIT_TEXTPOS& lcTo);

    DWORD Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;
    DWORD UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;

    const CString& GetReplacedText() const { return m_strReplacedText; }

private:
    CString m_strReplacedText;  // the characters the new text overwrote
};

// The whole text replaced at once: the rows not shown wait here and are swapped back in by undo and
// redo, so neither text is ever copied.
class CKTSyntaxEditReplaceAllCommand : public CKTSyntaxEditCommand
{
    DECLARE_DYNAMIC(CKTSyntaxEditReplaceAllCommand)
public:
    CKTSyntaxEditReplaceAllCommand(CKTSyntaxEditBufferManager* pBufferMgr,
                                   std::unique_ptr<CKTSyntaxEditLineArray> pOtherRows, int nOtherLineEndStyle);

    DWORD Execute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;
    DWORD UnExecute(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl) override;
    // The edit itself, done once by whoever made the command with the new rows; the caller tells
    // the parser.
    void SwapRows();

private:
    DWORD SwapTexts(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl);

    CKTSyntaxEditBufferManager* m_pBufferMgr;         // not owned: the buffer owns the history
    std::unique_ptr<CKTSyntaxEditLineArray> m_pRows;  // the text the buffer does not show now
    int m_nLineEndStyle;                              // and its line-end style
    // and its file's bytes when the rows lost characters of them; none for a new text
    std::unique_ptr<CKTSyntaxEditUnicodeOriginal> m_pUnicodeOriginal;
};
