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

bool CWaitingTexts::Filled::MayComeBack() const
{
    CKTSyntaxEditBufferManager* pBuffer = pDoc->GetDataManager();
    return pBuffer && pBuffer->GetUndoRedoManager()->IsStepKept(nStep);
}

// Room for the new texts and editors is made first, so that running out of memory changes nothing. A new
// Generate's texts wait with the editors it fills, beside the earlier ones' that an undo may bring back;
// texts already waiting, with the editors that take them, and with no other: a diagram put into its editor
// says nothing of the code's texts. An editor whose text never went in stands for nothing.
void CWaitingTexts::Hold(const ProjectRecord& project, const std::vector<CString>& placedPaths,
                         std::vector<WaitingText> texts, const std::vector<CKTSyntaxEditDoc*>& filling)
{
    const auto found = m_projects.find(&project);
    if (texts.empty() && found == m_projects.end())
        return;
    Project& held = found != m_projects.end() ? found->second : m_projects[&project];
    Generates& generates = held.generates;
    for (Generate& generate : generates)
        generate.filled.erase(std::remove_if(generate.filled.begin(), generate.filled.end(),
                                             [](const Filled& filled) { return filled.nStep == 0; }),
                              generate.filled.end());
    const auto replaced = [&placedPaths](const WaitingText& text)
    { return std::find(placedPaths.begin(), placedPaths.end(), text.strPath) != placedPaths.end(); };
    if (!texts.empty())
    {
        Generate made{std::move(texts), {}, held.nMade + 1};
        for (CKTSyntaxEditDoc* pDoc : filling)
            made.filled.push_back({pDoc});
        generates.reserve(generates.size() + 1);
        generates.push_back(std::move(made));
        held.nMade++;
        return;
    }
    const auto standing = Standing(generates);
    // What the files held before comes back in their editors, which then give it to the files.
    if (standing == generates.end())
    {
        held.before.erase(std::remove_if(held.before.begin(), held.before.end(), replaced), held.before.end());
        return;
    }
    std::vector<WaitingText>& waiting = standing->texts;
    std::vector<Filled>& filled = standing->filled;
    filled.reserve(filled.size() + filling.size());
    const std::size_t nWaited = waiting.size();
    waiting.erase(std::remove_if(waiting.begin(), waiting.end(), replaced), waiting.end());
    if (waiting.size() < nWaited)
        for (CKTSyntaxEditDoc* pDoc : filling)
            if (std::none_of(filled.begin(), filled.end(), [pDoc](const Filled& each) { return each.pDoc == pDoc; }))
                filled.push_back({pDoc});
    // Those before it stood only below it, and would stand with their stale texts once it went; the one whose
    // texts the files hold stays, to stand again with nothing to write.
    if (waiting.empty())
        generates.erase(std::remove_if(generates.begin(), std::next(standing),
                                       [&held](const Generate& each) { return each.nNumber != held.nOnDisk; }),
                        std::next(standing));
    if (generates.empty())
        m_projects.erase(&project);
}

void CWaitingTexts::Shown(const CKTSyntaxEditDoc& doc) noexcept
{
    CKTSyntaxEditBufferManager* pBuffer = doc.GetDataManager();
    if (!pBuffer)
        return;
    for (auto& [pProject, held] : m_projects)
        for (Generate& generate : held.generates)
            for (Filled& filled : generate.filled)
                if (filled.pDoc == &doc && filled.nStep == 0)
                    filled.nStep = pBuffer->GetUndoRedoManager()->GetDoneStep();
}

const std::vector<WaitingText>& CWaitingTexts::Of(const ProjectRecord& project) { return Due(project, true); }

const std::vector<WaitingText>& CWaitingTexts::GeneratedOf(const ProjectRecord& project) { return Due(project, false); }

const std::vector<WaitingText>& CWaitingTexts::Due(const ProjectRecord& project, bool bBefore)
{
    static const std::vector<WaitingText> none;
    DropTakenBack();
    const auto found = m_projects.find(&project);
    if (found == m_projects.end())
        return none;
    Project& held = found->second;
    const auto standing = Standing(held.generates);
    if (standing == held.generates.end())
        return bBefore && held.nOnDisk != 0 ? held.before : none;
    return standing->nNumber != held.nOnDisk ? standing->texts : none;
}

bool CWaitingTexts::FilesAsTheyWere(const ProjectRecord& project) const
{
    const auto found = m_projects.find(&project);
    return found != m_projects.end() && found->second.nOnDisk == 0;
}

CString CWaitingTexts::KeepChanged(const ProjectRecord& project,
                                   const std::function<Still(const WaitingText& written)>& holds)
{
    const auto found = m_projects.find(&project);
    if (found == m_projects.end() || Standing(found->second.generates) != found->second.generates.end())
        return CString();
    Project& held = found->second;
    const auto onDisk = std::find_if(held.generates.begin(), held.generates.end(),
                                     [&held](const Generate& each) { return each.nNumber == held.nOnDisk; });
    CString strUnreadable;
    const auto unchanged = [&](const WaitingText& before)
    {
        if (onDisk == held.generates.end())
            return false;
        const auto written =
            std::find_if(onDisk->texts.begin(), onDisk->texts.end(),
                         [&before](const WaitingText& each) { return each.strPath == before.strPath; });
        if (written == onDisk->texts.end())
            return false;
        const Still still = holds(*written);
        if (still == Still::Unreadable)
            strUnreadable = written->strPath;
        return still != Still::Changed;
    };
    // Partitioned, not erased, so that nothing is lost while one cannot be read.
    const auto changed = std::stable_partition(held.before.begin(), held.before.end(), unchanged);
    if (strUnreadable.IsEmpty())
        held.before.erase(changed, held.before.end());
    return strUnreadable;
}

const ProjectRecord* CWaitingTexts::DueWith(const std::vector<CKTSyntaxEditDoc*>& saving)
{
    DropTakenBack();
    const auto among = [&saving](const Filled& filled)
    { return std::find(saving.begin(), saving.end(), filled.pDoc) != saving.end(); };
    const auto filledAmong = [&among](const Generate& generate)
    { return std::any_of(generate.filled.begin(), generate.filled.end(), among); };
    for (auto& [pProject, held] : m_projects)
    {
        Generates& generates = held.generates;
        const auto standing = Standing(generates);
        if (standing == generates.end())
        {
            if (held.nOnDisk != 0 && std::any_of(generates.begin(), generates.end(), filledAmong))
                return pProject;
        }
        else if (standing->nNumber != held.nOnDisk &&
                 std::any_of(standing->filled.begin(), standing->filled.end(),
                             [&among](const Filled& filled) { return among(filled) && filled.Holds(); }))
            return pProject;
    }
    return nullptr;
}

void CWaitingTexts::Written(const ProjectRecord& project, std::vector<WaitingText> before)
{
    const auto found = m_projects.find(&project);
    if (found == m_projects.end())
        return;
    Project& held = found->second;
    const auto standing = Standing(held.generates);
    const unsigned nNow = standing != held.generates.end() ? standing->nNumber : 0;
    if (held.nOnDisk == 0 && nNow != 0)
        held.before = std::move(before);
    held.nOnDisk = nNow;
}

void CWaitingTexts::Closed(const CKTSyntaxEditDoc& doc)
{
    for (auto& [pProject, held] : m_projects)
        for (Generate& generate : held.generates)
            generate.filled.erase(std::remove_if(generate.filled.begin(), generate.filled.end(),
                                                 [&doc](const Filled& filled) { return filled.pDoc == &doc; }),
                                  generate.filled.end());
    DropTakenBack();
}

CWaitingTexts::Generates::iterator CWaitingTexts::Standing(Generates& generates)
{
    const auto held = [](const Generate& generate)
    {
        return std::any_of(generate.filled.begin(), generate.filled.end(),
                           [](const Filled& each) { return each.Holds(); });
    };
    const auto latest = std::find_if(generates.rbegin(), generates.rend(), held);
    return latest == generates.rend() ? generates.end() : std::prev(latest.base());
}

// A Generate undone in its editors stays while a redo can bring it back, left out of saves meanwhile. The
// one whose texts the files hold stays while an editor it filled is open: that editor's save takes it back.
void CWaitingTexts::DropTakenBack()
{
    for (auto it = m_projects.begin(); it != m_projects.end();)
    {
        const unsigned nOnDisk = it->second.nOnDisk;
        const auto gone = [nOnDisk](const Generate& generate)
        {
            if (generate.nNumber == nOnDisk)
                return generate.filled.empty();
            return std::none_of(generate.filled.begin(), generate.filled.end(),
                                [](const Filled& each) { return each.MayComeBack(); });
        };
        Generates& generates = it->second.generates;
        generates.erase(std::remove_if(generates.begin(), generates.end(), gone), generates.end());
        it = generates.empty() ? m_projects.erase(it) : std::next(it);
    }
}
