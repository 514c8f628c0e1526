// The buffer's history of edit commands with its current and saved positions.
// Classes: CKTSyntaxEditUndoRedoManager.
#pragma once

#include "KTSyntaxEditCommands.h"

#include <list>
#include <memory>

class CKTSyntaxEditUndoRedoManager
{
    struct Entry;

public:
    // A step made before its edit, with the history's room for it, so that adding it once the edit
    // is done asks for no memory and cannot fail.
    class CPreparedStep
    {
    public:
        explicit CPreparedStep(std::unique_ptr<CKTSyntaxEditCommand> pCommand);
        CKTSyntaxEditCommand& Command() const;

    private:
        friend class CKTSyntaxEditUndoRedoManager;
        std::list<Entry> m_entry;  // the one entry, moved into the history whole
    };

    CKTSyntaxEditUndoRedoManager() = default;
    CKTSyntaxEditUndoRedoManager(const CKTSyntaxEditUndoRedoManager&) = delete;
    CKTSyntaxEditUndoRedoManager& operator=(const CKTSyntaxEditUndoRedoManager&) = delete;

    BOOL CanUndo() const;
    BOOL CanRedo() const;
    DWORD DoUndo(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl);
    DWORD DoRedo(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo, CKTSyntaxEditCaretHost* pCtrl);

    // Takes ownership of the command.
    void AddCommand(CKTSyntaxEditCommand* pCommand);
    // Adds the step as one of its own, whatever the group mode; the step is empty afterwards.
    void AddPrepared(CPreparedStep& step) noexcept;
    void SetGroupInsertMode(BOOL bOn);
    BOOL IsGroupInsertMode() const { return m_bGroupInsertMode; }
    void ChainLastCommand();
    void SetLastCommandText(UINT nStringID);

    // The step last done, by an id that no other step ever takes; 0 when none is.
    unsigned long long GetDoneStep() const { return CurrentId(); }
    // Whether the step is done and not undone: an edit after its undo drops it for good.
    BOOL IsStepDone(unsigned long long idStep) const;
    // Whether the step is still in the history: done, or undone and not yet dropped, so a redo can bring it back.
    BOOL IsStepKept(unsigned long long idStep) const;

    void MarkSaved() { m_idSavedMark = CurrentId(); }
    BOOL IsModified() const { return m_idSavedMark != CurrentId(); }
    void Clear();

    int GetCount() const { return int(m_CommandList.size()); }

private:
    // Entries are compared by identity; an id is never reused, so a removed
    // entry can never again equal the saved mark.
    struct Entry
    {
        unsigned long long id;
        std::unique_ptr<CKTSyntaxEditCommand> pCommand;
    };
    using EntryList = std::list<Entry>;
    using Position = EntryList::iterator;

    static constexpr unsigned long long kNoEntry = 0;

    unsigned long long CurrentId() const { return m_bHasLast ? m_posLastCommand->id : kNoEntry; }
    Position NextAfterLast();
    void TrimRedoTail();
    void Append(CKTSyntaxEditCommand* pCommand);
    void SetLastToTail();
    CKTSyntaxEditBatchCommand* TailBatch() const;

    EntryList m_CommandList;                      // oldest first
    Position m_posLastCommand;                    // valid only while m_bHasLast
    BOOL m_bHasLast = FALSE;                      // FALSE: everything undone or no history
    unsigned long long m_idSavedMark = kNoEntry;  // entry current at the last store
    unsigned long long m_nNextId = 1;
    BOOL m_bGroupInsertMode = FALSE;  // new commands collect into one batch
};
