// WaitingTexts.h: the generated texts that wait for a save, each group with the editors its Generate filled.
//
// Classes: CWaitingTexts.
#pragma once
#include "afxwin.h"

#include "ProjectBuild.h"

#include <map>
#include <vector>

class CKTSyntaxEditDoc;

// A Generate's texts that no editor showed belong to it: they reach the disk only with a text it put into
// an editor, and go once no editor holds one of those or can bring it back (undone past its redo, or
// closed unsaved). Each Generate keeps its own, so that undoing a later one brings back the earlier one's.
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
    // What waits for the project's files with the Generate that stands: the latest one an editor holds.
    const std::vector<WaitingText>& Of(const ProjectRecord& project);
    // The project whose waiting texts a save of these documents writes with them: one whose standing
    // Generate's text one of them holds. Null when none does.
    const ProjectRecord* DueWith(const std::vector<CKTSyntaxEditDoc*>& saving);
    // The standing Generate's texts are on disk: it and those before it wait no more.
    void Written(const ProjectRecord& project);
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
    };
    using Generates = std::vector<Generate>;  // oldest first
    static Generates::iterator Standing(Generates& generates);
    void DropTakenBack();

    std::map<const ProjectRecord*, Generates> m_projects;
};
