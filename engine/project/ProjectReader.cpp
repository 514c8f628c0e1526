// ProjectReader.cpp: reads a ".kvs" file or text into a project record, and refuses a second project of a name.
#include "ProjectFile.h"

#include "ProjectParser.h"
#include "xml/XmlLog.h"
#include "xml/XmlStream.h"

namespace
{

// A refusal of the content leaves the project empty.
bool Refused(ProjectRecord* project)
{
    *project = ProjectRecord();
    return false;
}

}  // namespace

bool ParseProjectText(const char* text, std::size_t length, const char* folder, ProjectRecord* project, CString* detail)
{
    *project = ProjectRecord();
    ProjectParser parser(project);
    CXmlStream stream(parser);
    const int result = stream.ParseText(text, length);
    if (result != XCFG_OK || parser.IsRefused())
    {
        *detail = result != XCFG_OK ? stream.GetErrorText() : parser.Detail();
        return Refused(project);
    }
    project->folder = folder;
    return true;
}

// One log line for any refusal: the XML reader's text, or what the content breaks.
bool ReadProjectFile(const char* path, ProjectRecord* project, CString* message, CString* reason)
{
    *project = ProjectRecord();
    ProjectParser parser(project);
    CXmlStream stream(parser);
    const int result = stream.ParseFile(path);
    if (result == XCFG_OK && !parser.IsRefused())
    {
        project->folder = ProjectFolderOf(path);
        return true;
    }
    const CString why =
        result != XCFG_OK ? stream.GetErrorText() : CString("invalid project file ") + path + ": " + parser.Detail();
    XmlLog(why);
    if (reason != nullptr)
        *reason = why;
    *message = kInvalidProjectFileMessage;
    return Refused(project);
}

bool LoadProjectFile(const char* path, const ProjectRecordArray& loaded, ProjectRecord* project, CString* message)
{
    if (!ReadProjectFile(path, project, message))
        return false;
    if (!ContainsProjectNamed(loaded, project->name))
        return true;
    *message = CString("the ") + project->name + " protocol already exist in the current projects!";
    *project = ProjectRecord();
    return false;
}
