// WaitingTexts.h: the generated texts that wait for a save, each group with the editors its Generate filled.
//
// Classes: CWaitingTexts.
#pragma once
#include "afxwin.h"

#include "ProjectBuild.h"

#include <map>
#include <vector>

// A Generate's texts that no editor showed belong to it: they reach the disk only with a text it put into
// an editor, and go once every one of those is taken back (undone to its saved state, or closed unsaved).
class CWaitingTexts
{
public:
    // The texts wait with the editors that took the rest of their Generate, or that show one of them once
    // opened; what waited for any of the placed paths before is dropped. Throws std::bad_alloc before it
    // changes anything.
    void Hold(const ProjectRecord& project, const std::vector<CString>& placedPaths, std::vector<WaitingText> texts,
              const std::vector<CDocument*>& filled);
    // What still waits for the project's files.
    const std::vector<WaitingText>& Of(const ProjectRecord& project);
    // The project whose waiting texts a save of these documents writes with them: one that writes a text of
    // their Generate. Null when none does.
    const ProjectRecord* DueWith(const std::vector<CDocument*>& saving);
    void Forget(const ProjectRecord& project) { m_groups.erase(&project); }
    // The editor's text is saved or discarded with it: it no longer stands for its Generate.
    void Closed(const CDocument& doc);

private:
    struct Group
    {
        std::vector<WaitingText> texts;
        std::vector<CDocument*> filled;  // not owned; each leaves at its close
    };
    // Groups whose every filled editor shows its saved text again.
    void DropTakenBack();

    std::map<const ProjectRecord*, Group> m_groups;
};
