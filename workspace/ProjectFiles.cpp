// ProjectFiles.cpp: saving a project to the file it came from, and only when its design changed.
#include "ProjectFiles.h"

#include "RuntimeFiles.h"
#include "project/AtomicFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectPaths.h"

#include <new>
#include <string>

namespace
{

// 64-bit FNV-1a: equal digests stand for equal texts, so an unchanged design is never written.
std::uint64_t DigestOf(const CString& strText)
{
    std::uint64_t digest = 14695981039346656037ull;
    for (int i = 0; i < strText.GetLength(); ++i)
        digest = (digest ^ static_cast<unsigned char>(strText[i])) * 1099511628211ull;
    return digest == 0 ? 1 : digest;
}

// 0 when the design cannot be written, or there is no memory to format it: such a project always
// counts as changed, so that saving it is never skipped.
std::uint64_t DigestOf(const ProjectRecord& project, CString* pText)
{
    CString strError;
    try
    {
        return FormatProjectText(project, pText, &strError) ? DigestOf(*pText) : 0;
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
}

// A save killed midway leaves its "<file>.tmp" beside the file. Only the temporaries of the project's own
// files go: any other ".tmp" in the folder may be the user's. A folder of that name is not one of ours,
// and DeleteFile leaves it.
void RemoveLeftoverTemporaries(const ProjectRecord& project, const CString& strProjectFile)
{
    // Without its file the project has no folder of its own, and the current one is not ours to clean.
    if (strProjectFile.IsEmpty() || project.folder.IsEmpty())
        return;
    ::DeleteFile(TemporaryPathOf(strProjectFile));
    for (const std::string& name : codegen::ProjectFileNames(std::string(project.name)))
    {
        CString strPath, strError;
        if (ProjectPathOf(project, name.c_str(), &strPath, &strError))
            ::DeleteFile(TemporaryPathOf(strPath));
    }
}

}  // namespace

std::uint64_t CProjectFiles::Digest(const ProjectRecord& project)
{
    CString strText;
    return DigestOf(project, &strText);
}

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
    CString strText;
    const std::uint64_t digest = DigestOf(project, &strText);
    if (digest == 0)
        return WriteProjectFile(project, saved.strPath, pError);  // which says why the design cannot be written
    if (digest == saved.digest)
        return TRUE;
    if (!ReplaceFileContents(saved.strPath, strText, strText.GetLength(), pError))
        return FALSE;
    saved.digest = digest;
    return TRUE;
}
