// ProjectFiles.cpp: saving a project to the file it came from, and only when its design changed.
#include "ProjectFiles.h"

#include "RuntimeFiles.h"
#include "project/AtomicFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectPaths.h"

#include <new>
#include <string>
#include <vector>

namespace
{

// 64-bit FNV-1a of the design's text, made a piece at a time and never held whole: equal digests stand
// for equal texts, so an unchanged design is never written. 0 when the design cannot be written, or
// there is no memory to format it: such a project always counts as changed, so that saving it is never
// skipped.
std::uint64_t DigestOf(const ProjectRecord& project)
{
    std::uint64_t digest = 14695981039346656037ull;
    const auto take = [&digest](const void* pData, std::size_t nBytes)
    {
        const unsigned char* pByte = static_cast<const unsigned char*>(pData);
        for (std::size_t i = 0; i < nBytes; ++i)
            digest = (digest ^ pByte[i]) * 1099511628211ull;
    };
    CString strError;
    try
    {
        if (!FormatProjectInPieces(project, take, &strError))
            return 0;
    }
    catch (const std::bad_alloc&)
    {
        return 0;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        return 0;
    }
    return digest == 0 ? 1 : digest;
}

// A save killed midway leaves its "<file>.tmp" beside the file, and a Generate killed while its files
// went in leaves old files set aside beside new ones: the group is made whole again. Only the project's
// own files are looked at: any other ".tmp" in the folder may be the user's. A folder of such a name is
// not one of ours, and DeleteFile leaves it.
void RemoveLeftoverTemporaries(const ProjectRecord& project, const CString& strProjectFile)
{
    // Without its file the project has no folder of its own, and the current one is not ours to clean.
    if (strProjectFile.IsEmpty() || project.folder.IsEmpty())
        return;
    ::DeleteFile(TemporaryPathOf(strProjectFile));
    std::vector<CString> paths;
    for (const std::string& name : codegen::ProjectFileNames(std::string(project.name)))
    {
        CString strPath, strError;
        if (ProjectPathOf(project, name.c_str(), &strPath, &strError))
            paths.push_back(strPath);
    }
    RecoverFilesTogether(paths);
}

}  // namespace

std::uint64_t CProjectFiles::Digest(const ProjectRecord& project) { return DigestOf(project); }

void CProjectFiles::Remember(const ProjectRecord& project, const CString& strPath, std::uint64_t digest)
{
    m_files[&project] = {strPath, digest};
    RemoveLeftoverTemporaries(project, strPath);
}

void CProjectFiles::Forget(const ProjectRecord& project) { m_files.erase(&project); }

BOOL CProjectFiles::Save(const ProjectRecord& project, CString* pError)
{
    SavedFile& saved = m_files[&project];
    RemoveLeftoverTemporaries(project, saved.strPath);
    const std::uint64_t digest = DigestOf(project);
    if (digest != 0 && digest == saved.digest)
        return TRUE;
    // Formatted again as it is written: the design's text is never held whole. A design that cannot be
    // written is told why.
    if (!WriteProjectFile(project, saved.strPath, pError))
        return FALSE;
    saved.digest = digest;
    return TRUE;
}
