// ProjectFiles.h: the file each loaded project is saved to, and whether its design changed since that file was
// read or written.
//
// Classes: CProjectFiles.
#pragma once
#include "afxwin.h"

#include "model/ProtocolRecords.h"
#include "project/AtomicFile.h"

#include <cstdint>
#include <map>
#include <optional>

class CProjectFiles
{
public:
    // What Remember keeps of a design: formatting a big one takes long work's time, so it can be
    // taken aside.
    static std::uint64_t Digest(const ProjectRecord& project);
    // The project was just read from the file: it is saved there, and its design of that digest is the saved one.
    void Remember(const ProjectRecord& project, const CString& strPath, std::uint64_t digest);
    void Forget(const ProjectRecord& project);
    // The digest of the design where it differs from the one last read or written to its file: only then is it
    // written. Long work's, as Digest.
    std::optional<std::uint64_t> Unsaved(const ProjectRecord& project) const;
    // Writes the design of that digest to the project's file. FALSE, with the reason, when the file could not be
    // written. pTold gets what the write has to say whatever its result, and pToldNames the files it names
    // (ReplaceFilesTogether).
    BOOL Write(const ProjectRecord& project, std::uint64_t digest, CString* pError, CString* pTold,
               RunNames* pToldNames);

private:
    struct SavedFile
    {
        CString strPath;
        std::uint64_t digest = 0;  // of the file text the design makes; 0 while unknown
    };

    std::map<const ProjectRecord*, SavedFile> m_files;
};
