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
// an editor, and go once no editor holds one of those any more (undone, or closed unsaved).
class CWaitingTexts
{
public:
    // The texts wait with the editors about to take the rest of their Generate, or one of the texts once
    // opened; what waited for any of the placed paths before is dropped. Throws std::bad_alloc before it
    // changes anything.
    void Hold(const ProjectRecord& project, const std::vector<CString>& placedPaths, std::vector<WaitingText> texts,
              const std::vector<CKTSyntaxEditDoc*>& filling);
    // The editor has just taken its text, as the last step it did.
    void Shown(const CKTSyntaxEditDoc& doc) noexcept;
    // What still waits for the project's files.
    const std::vector<WaitingText>& Of(const ProjectRecord& project);
    // The project whose waiting texts a save of these documents writes with them: one whose Generate's text
    // one of them still holds. Null when none does.
    const ProjectRecord* DueWith(const std::vector<CKTSyntaxEditDoc*>& saving);
    void Forget(const ProjectRecord& project) { m_groups.erase(&project); }
    // The editor's text is saved or discarded with it: it no longer stands for its Generate.
    void Closed(const CKTSyntaxEditDoc& doc);

private:
    struct Filled
    {
        CKTSyntaxEditDoc* pDoc;        // not owned; it leaves at its close
        unsigned long long nStep = 0;  // the edit that put the text in; 0 until it has
        bool Holds() const;
    };
    struct Group
    {
        std::vector<WaitingText> texts;
        std::vector<Filled> filled;
    };
    void DropTakenBack();

    std::map<const ProjectRecord*, Group> m_groups;
};
