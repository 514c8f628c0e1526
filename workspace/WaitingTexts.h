// WaitingTexts.h: the generated texts that wait for a save, each group with the editors its Generate filled.
//
// Classes: CWaitingTexts.
#pragma once
#include "afxwin.h"

#include "ProjectBuild.h"

#include <functional>
#include <map>
#include <vector>

class CKTSyntaxEditDoc;

// A Generate's texts that no editor showed belong to it: they reach the disk only with a text it put into
// an editor, and go once no editor holds one of those or can bring it back (undone past its redo, or
// closed unsaved). Each Generate keeps its own, so that undoing a later one brings back the earlier one's.
// Once written, a Generate taken back in every editor it filled takes its texts back off the disk with the
// next save of those editors: the files get what they held before.
class CWaitingTexts
{
public:
    // Texts wait as a new Generate's, with the editors about to take the rest of it; with none, the editors
    // take the standing Generate's texts at the placed paths once opened. Throws std::bad_alloc before it
    // changes anything.
    void Hold(const ProjectRecord& project, const std::vector<CString>& placedPaths, std::vector<WaitingText> texts,
              const std::vector<CKTSyntaxEditDoc*>& filling);
    // The editor has just taken its text, as the last step it did.
    void Shown(const CKTSyntaxEditDoc& doc) noexcept;
    // What waits for the project's files: the texts of the latest Generate an editor holds, or, where a
    // written one is taken back with no other held, what they held before it; none where they hold it now.
    const std::vector<WaitingText>& Of(const ProjectRecord& project);
    // The same, but only the texts of a Generate: an editor opened meanwhile shows its file.
    const std::vector<WaitingText>& GeneratedOf(const ProjectRecord& project);
    // Whether the next write of the project's waiting texts is the first that puts a Generate's texts over
    // the files: what they held then is what a Generate taken back gives back.
    bool FilesAsTheyWere(const ProjectRecord& project) const;
    enum class Still
    {
        Holds,
        Changed,
        Unreadable
    };
    // Before a Generate taken back gives the files back what they held: a file that no longer holds what the
    // Generate wrote (changed since by another program) keeps what it holds. A file that cannot be read is not
    // known to be changed: its path comes back and every text stays, to be given back by a later save.
    CString KeepChanged(const ProjectRecord& project, const std::function<Still(const WaitingText& written)>& holds);
    // The project whose waiting texts a save of these documents writes with them: one whose standing
    // Generate's text one of them holds, or one of whose Generates they take back. Null when none does.
    const ProjectRecord* DueWith(const std::vector<CKTSyntaxEditDoc*>& saving);
    // The texts Of gave are on disk; before, read before they went (only where FilesAsTheyWere), what the
    // files held.
    void Written(const ProjectRecord& project, std::vector<WaitingText> before);
    void Forget(const ProjectRecord& project) { m_projects.erase(&project); }
    // The editor's text is saved or discarded with it: it no longer stands for its Generate.
    void Closed(const CKTSyntaxEditDoc& doc);

private:
    struct Filled
    {
        CKTSyntaxEditDoc* pDoc;        // not owned; it leaves at its close
        unsigned long long nStep = 0;  // the edit that put the text in; 0 until it has
        bool Holds() const;
        bool MayComeBack() const;
    };
    struct Generate
    {
        std::vector<WaitingText> texts;
        std::vector<Filled> filled;
        unsigned nNumber = 0;  // from 1, in the order made
    };
    using Generates = std::vector<Generate>;  // oldest first
    struct Project
    {
        Generates generates;
        std::vector<WaitingText> before;  // what the files held before the first Generate written
        unsigned nOnDisk = 0;             // the Generate whose texts the files hold; 0: as they were
        unsigned nMade = 0;
    };
    static Generates::iterator Standing(Generates& generates);
    const std::vector<WaitingText>& Due(const ProjectRecord& project, bool bBefore);
    void DropTakenBack();

    std::map<const ProjectRecord*, Project> m_projects;
};
