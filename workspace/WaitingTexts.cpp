// The generated texts that wait for a save, and when they go.
#include "WaitingTexts.h"

#include <algorithm>
#include <iterator>

namespace
{

bool Contains(const std::vector<CDocument*>& docs, const CDocument* pDoc)
{
    return std::find(docs.begin(), docs.end(), pDoc) != docs.end();
}

}  // namespace

// Room for the new texts and editors is made first, so that running out of memory changes nothing.
void CWaitingTexts::Hold(const ProjectRecord& project, const std::vector<CString>& placedPaths,
                         std::vector<WaitingText> texts, const std::vector<CDocument*>& filled)
{
    const auto found = m_groups.find(&project);
    if (texts.empty() && found == m_groups.end())
        return;
    Group& group = found != m_groups.end() ? found->second : m_groups[&project];
    group.texts.reserve(group.texts.size() + texts.size());
    group.filled.reserve(group.filled.size() + filled.size());
    const auto replaced = [&placedPaths](const WaitingText& text)
    { return std::find(placedPaths.begin(), placedPaths.end(), text.strPath) != placedPaths.end(); };
    group.texts.erase(std::remove_if(group.texts.begin(), group.texts.end(), replaced), group.texts.end());
    std::move(texts.begin(), texts.end(), std::back_inserter(group.texts));
    for (CDocument* pDoc : filled)
        if (!Contains(group.filled, pDoc))
            group.filled.push_back(pDoc);
    if (group.texts.empty())
        m_groups.erase(&project);
}

const std::vector<WaitingText>& CWaitingTexts::Of(const ProjectRecord& project)
{
    static const std::vector<WaitingText> none;
    DropTakenBack();
    const auto found = m_groups.find(&project);
    return found != m_groups.end() ? found->second.texts : none;
}

// A saved editor that was filled but shows its saved text again writes nothing of its Generate.
const ProjectRecord* CWaitingTexts::DueWith(const std::vector<CDocument*>& saving)
{
    DropTakenBack();
    for (const auto& [pProject, group] : m_groups)
        for (CDocument* pDoc : saving)
            if (Contains(group.filled, pDoc) && pDoc->IsModified())
                return pProject;
    return nullptr;
}

void CWaitingTexts::Closed(const CDocument& doc)
{
    for (auto& [pProject, group] : m_groups)
        group.filled.erase(std::remove(group.filled.begin(), group.filled.end(), &doc), group.filled.end());
    DropTakenBack();
}

void CWaitingTexts::DropTakenBack()
{
    for (auto it = m_groups.begin(); it != m_groups.end();)
    {
        const std::vector<CDocument*>& filled = it->second.filled;
        const bool bHeld =
            std::any_of(filled.begin(), filled.end(), [](CDocument* pDoc) { return pDoc->IsModified(); });
        it = bHeld ? std::next(it) : m_groups.erase(it);
    }
}
