// ProjectFiles.cpp: saving a project to the file it came from, and only when its design changed.
#include "ProjectFiles.h"

#include "project/ProjectFile.h"

#include <new>

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

}  // namespace

std::uint64_t CProjectFiles::Digest(const ProjectRecord& project) { return DigestOf(project); }

void CProjectFiles::Remember(const ProjectRecord& project, const CString& strPath, std::uint64_t digest)
{
    m_files[&project] = {strPath, digest};
}

void CProjectFiles::Forget(const ProjectRecord& project) { m_files.erase(&project); }

std::optional<std::uint64_t> CProjectFiles::Unsaved(const ProjectRecord& project) const
{
    const std::uint64_t digest = DigestOf(project);
    const auto found = m_files.find(&project);
    if (digest != 0 && found != m_files.end() && digest == found->second.digest)
        return std::nullopt;
    return digest;
}

// Formatted again as it is written: the design's text is never held whole. A design that cannot be written is
// told why.
BOOL CProjectFiles::Write(const ProjectRecord& project, std::uint64_t digest, CString* pError, CString* pTold,
                          RunNames* pToldNames)
{
    SavedFile& saved = m_files[&project];
    if (!WriteProjectFile(project, saved.strPath, pError, pTold, pToldNames))
        return FALSE;
    saved.digest = digest;
    return TRUE;
}
