// Undo and redo over the command list, group mode, chaining and the saved mark.
#include "KTSyntaxEditUndoRedoManager.h"

#include "KTSyntaxEditUndoText.h"

#include <algorithm>
#include <iterator>

BOOL CKTSyntaxEditUndoRedoManager::CanUndo() const { return m_bHasLast; }

BOOL CKTSyntaxEditUndoRedoManager::CanRedo() const
{
    if (m_CommandList.empty())
        return FALSE;
    return !m_bHasLast || std::next(Position(m_posLastCommand)) != m_CommandList.end();
}

BOOL CKTSyntaxEditUndoRedoManager::IsStepDone(unsigned long long idStep) const
{
    if (!m_bHasLast || idStep == kNoEntry)
        return FALSE;
    for (auto it = m_CommandList.begin();; ++it)
    {
        if (it->id == idStep)
            return TRUE;
        if (it == EntryList::const_iterator(m_posLastCommand))
            return FALSE;
    }
}

BOOL CKTSyntaxEditUndoRedoManager::IsStepKept(unsigned long long idStep) const
{
    return idStep != kNoEntry && std::any_of(m_CommandList.begin(), m_CommandList.end(),
                                             [idStep](const Entry& entry) { return entry.id == idStep; });
}

CKTSyntaxEditUndoRedoManager::Position CKTSyntaxEditUndoRedoManager::NextAfterLast()
{
    return m_bHasLast ? std::next(m_posLastCommand) : m_CommandList.begin();
}

DWORD CKTSyntaxEditUndoRedoManager::DoUndo(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                           CKTSyntaxEditCaretHost* pCtrl)
{
    if (!m_bHasLast)
        return 0;
    Position pos = m_posLastCommand;
    if (pos == m_CommandList.begin())
        m_bHasLast = FALSE;
    else
        --m_posLastCommand;
    return pos->pCommand->UnExecute(lcFrom, lcTo, pCtrl);
}

DWORD CKTSyntaxEditUndoRedoManager::DoRedo(KT_EDIT_TEXTPOS& lcFrom, KT_EDIT_TEXTPOS& lcTo,
                                           CKTSyntaxEditCaretHost* pCtrl)
{
    Position pos = NextAfterLast();
    if (pos == m_CommandList.end())
        return 0;
    m_posLastCommand = pos;
    m_bHasLast = TRUE;
    return pos->pCommand->Execute(lcFrom, lcTo, pCtrl);
}

void CKTSyntaxEditUndoRedoManager::TrimRedoTail() { m_CommandList.erase(NextAfterLast(), m_CommandList.end()); }

void CKTSyntaxEditUndoRedoManager::SetLastToTail()
{
    m_bHasLast = !m_CommandList.empty();
    if (m_bHasLast)
        m_posLastCommand = std::prev(m_CommandList.end());
}

void CKTSyntaxEditUndoRedoManager::Append(CKTSyntaxEditCommand* pCommand)
{
    m_CommandList.push_back(Entry{m_nNextId++, std::unique_ptr<CKTSyntaxEditCommand>(pCommand)});
    SetLastToTail();
}

CKTSyntaxEditUndoRedoManager::CPreparedStep::CPreparedStep(std::unique_ptr<CKTSyntaxEditCommand> pCommand)
{
    m_entry.push_back(Entry{kNoEntry, std::move(pCommand)});
}

CKTSyntaxEditCommand& CKTSyntaxEditUndoRedoManager::CPreparedStep::Command() const { return *m_entry.front().pCommand; }

// Splicing moves the prepared node in: nothing is allocated.
void CKTSyntaxEditUndoRedoManager::AddPrepared(CPreparedStep& step) noexcept
{
    if (step.m_entry.empty())
        return;
    TrimRedoTail();
    step.m_entry.front().id = m_nNextId++;
    m_CommandList.splice(m_CommandList.end(), step.m_entry);
    SetLastToTail();
}

CKTSyntaxEditBatchCommand* CKTSyntaxEditUndoRedoManager::TailBatch() const
{
    if (m_CommandList.empty())
        return NULL;
    CKTSyntaxEditCommand* pTail = m_CommandList.back().pCommand.get();
    if (!pTail->IsKindOf(RUNTIME_CLASS(CKTSyntaxEditBatchCommand)))
        return NULL;
    return static_cast<CKTSyntaxEditBatchCommand*>(pTail);
}

void CKTSyntaxEditUndoRedoManager::AddCommand(CKTSyntaxEditCommand* pCommand)
{
    std::unique_ptr<CKTSyntaxEditCommand> command(pCommand);
    TrimRedoTail();
    if (!m_bGroupInsertMode)
    {
        Append(command.release());
        return;
    }
    if (!TailBatch())
        Append(new CKTSyntaxEditBatchCommand);
    TailBatch()->AddHead(command.release());
    SetLastToTail();
}

void CKTSyntaxEditUndoRedoManager::SetGroupInsertMode(BOOL bOn)
{
    bOn = bOn ? TRUE : FALSE;
    if (bOn == m_bGroupInsertMode)
        return;
    m_bGroupInsertMode = bOn;
    if (bOn)
    {
        TrimRedoTail();
        Append(new CKTSyntaxEditBatchCommand);
        return;
    }
    CKTSyntaxEditBatchCommand* pBatch = TailBatch();
    if (pBatch && pBatch->IsEmpty())
    {
        m_CommandList.pop_back();
        SetLastToTail();
    }
}

void CKTSyntaxEditUndoRedoManager::ChainLastCommand()
{
    if (!m_bHasLast || m_posLastCommand == m_CommandList.begin())
        return;
    Position prev = std::prev(m_posLastCommand);
    CKTSyntaxEditCommand* pPrev = prev->pCommand.get();
    if (!pPrev->IsKindOf(RUNTIME_CLASS(CKTSyntaxEditBatchCommand)))
    {
        auto pBatch = std::make_unique<CKTSyntaxEditBatchCommand>();
        pBatch->AddHead(prev->pCommand.release());
        prev->pCommand = std::move(pBatch);
    }
    auto* pBatch = static_cast<CKTSyntaxEditBatchCommand*>(prev->pCommand.get());
    pBatch->AddHead(m_posLastCommand->pCommand.release());
    m_CommandList.erase(m_posLastCommand);
    m_posLastCommand = prev;
}

void CKTSyntaxEditUndoRedoManager::SetLastCommandText(UINT nStringID)
{
    if (m_bHasLast)
        m_posLastCommand->pCommand->SetCommandText(KTLoadUndoText(nStringID));
}

void CKTSyntaxEditUndoRedoManager::Clear()
{
    m_CommandList.clear();
    m_bHasLast = FALSE;
}
