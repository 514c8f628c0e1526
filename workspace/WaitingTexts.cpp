// The generated texts that wait for a save, and when they go.
#include "WaitingTexts.h"

#include "KTSyntaxEditDoc.h"

#include <algorithm>
#include <iterator>

// By the edit itself, not the modified mark: an editor undone and typed into again is modified, but
// holds nothing of the Generate.
bool CWaitingTexts::Filled::Holds() const
{
    CKTSyntaxEditBufferManager* pBuffer = pDoc->GetDataManager();
    return pBuffer && pBuffer->GetUndoRedoManager()->IsStepDone(nStep);
}

// Room for the new texts and editors is made first, so that running out of memory changes nothing. A new
// Generate's texts wait with the editors it fills; texts already waiting, with the editors that take them,
// and with no other: a diagram put into its editor says nothing of the code's texts.
void CWaitingTexts::Hold(const ProjectRecord& project, const std::vector<CString>& placedPaths,
                         std::vector<WaitingText> texts, const std::vector<CKTSyntaxEditDoc*>& filling)
{
    const auto found = m_groups.find(&project);
    if (texts.empty() && found == m_groups.end())
        return;
    Group& group = found != m_groups.end() ? found->second : m_groups[&project];
    group.texts.reserve(group.texts.size() + texts.size());
    group.filled.reserve(group.filled.size() + filling.size());
    const std::size_t nWaited = group.texts.size();
    const auto replaced = [&placedPaths](const WaitingText& text)
    { return std::find(placedPaths.begin(), placedPaths.end(), text.strPath) != placedPaths.end(); };
    group.texts.erase(std::remove_if(group.texts.begin(), group.texts.end(), replaced), group.texts.end());
    const bool bTaken = group.texts.size() < nWaited;
    if (!texts.empty())
        group.filled.clear();
    if (!texts.empty() || bTaken)
        for (CKTSyntaxEditDoc* pDoc : filling)
            if (std::none_of(group.filled.begin(), group.filled.end(),
                             [pDoc](const Filled& each) { return each.pDoc == pDoc; }))
                group.filled.push_back({pDoc});
    std::move(texts.begin(), texts.end(), std::back_inserter(group.texts));
    if (group.texts.empty())
        m_groups.erase(&project);
}

void CWaitingTexts::Shown(const CKTSyntaxEditDoc& doc) noexcept
{
    CKTSyntaxEditBufferManager* pBuffer = doc.GetDataManager();
    for (auto& [pProject, group] : m_groups)
        for (Filled& filled : group.filled)
            if (filled.pDoc == &doc && pBuffer)
                filled.nStep = pBuffer->GetUndoRedoManager()->GetDoneStep();
}

const std::vector<WaitingText>& CWaitingTexts::Of(const ProjectRecord& project)
{
    static const std::vector<WaitingText> none;
    DropTakenBack();
    const auto found = m_groups.find(&project);
    return found != m_groups.end() ? found->second.texts : none;
}

const ProjectRecord* CWaitingTexts::DueWith(const std::vector<CKTSyntaxEditDoc*>& saving)
{
    DropTakenBack();
    for (const auto& [pProject, group] : m_groups)
        for (const Filled& filled : group.filled)
            if (std::find(saving.begin(), saving.end(), filled.pDoc) != saving.end() && filled.Holds())
                return pProject;
    return nullptr;
}

void CWaitingTexts::Closed(const CKTSyntaxEditDoc& doc)
{
    for (auto& [pProject, group] : m_groups)
        group.filled.erase(std::remove_if(group.filled.begin(), group.filled.end(),
                                          [&doc](const Filled& filled) { return filled.pDoc == &doc; }),
                           group.filled.end());
    DropTakenBack();
}

void CWaitingTexts::DropTakenBack()
{
    for (auto it = m_groups.begin(); it != m_groups.end();)
    {
        const std::vector<Filled>& filled = it->second.filled;
        const bool bHeld = std::any_of(filled.begin(), filled.end(), [](const Filled& each) { return each.Holds(); });
        it = bHeld ? std::next(it) : m_groups.erase(it);
    }
}
