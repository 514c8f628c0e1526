// ProjectEditorFiles.cpp: the files a project's editors show.
#include "ProjectEditorFiles.h"

#include "Generator.h"
#include "RuntimeFiles.h"

#include <algorithm>

std::array<CString, 4> EditorFileNames(const ProjectRecord& project)
{
    const std::string name(project.name);
    return {codegen::DiagramFileName(name).c_str(), codegen::DemoFileName(name).c_str(),
            codegen::SourceFileName(name).c_str(), codegen::HeaderFileName(name).c_str()};
}

BOOL IsEditorFileOf(const ProjectRecord& project, const CString& strPath)
{
    const std::vector<std::string> names = codegen::ProjectFileNames(project.name.Text());
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& name)
                       { return strPath.CompareNoCase(project.folder + name.c_str()) == 0; });
}
