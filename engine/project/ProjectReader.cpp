// ProjectReader.cpp: reads a ".kvs" file or text into a project record, and refuses a second project of a name.
#include "ProjectFile.h"

#include "ProjectParser.h"
#include "model/OutOfMemory.h"
#include "xml/XmlLog.h"
#include "xml/XmlStream.h"

namespace
{

enum ReadResult
{
    kRead,
    kNotXml,   // the stream refused it: not well-formed, too large, unreadable
    kRefused,  // well-formed, but not a project
    kNoMemory  // memory ran out while reading
};

// Every refusal leaves the project empty, which also gives back the memory
// a large read took before the user is told. The folder is made inside the
// guard, where running out of memory is a refusal like any other; with
// checkFolder the paths made from the project's name must fit there.
template <class Run, class Folder>
ReadResult ReadInto(ProjectRecord* project, Run run, Folder folder, bool checkFolder, CString* detail)
{
    ReadResult result = kRead;
    const bool noMemory = RanOutOfMemory(
        [&]()
        {
            *project = ProjectRecord();
            const CString where = folder();
            ProjectParser parser(project, checkFolder ? static_cast<const char*>(where) : nullptr);
            CXmlStream stream(parser);
            const int code = run(stream);
            if (code == XCFG_ERROR_MEMORY)
                result = kNoMemory;
            else if (code != XCFG_OK)
                result = kNotXml;
            else if (parser.IsRefused())
                result = kRefused;
            *detail = result == kNotXml ? stream.GetErrorText() : parser.Detail();
            if (result == kRead)
                project->folder = where;
        });
    if (noMemory)
        result = kNoMemory;
    if (result != kRead)
        *project = ProjectRecord();
    return result;
}

}  // namespace

bool ParseProjectText(const char* text, std::size_t length, const char* folder, ProjectRecord* project, CString* detail)
{
    const ReadResult result = ReadInto(
        project, [&](CXmlStream& stream) { return stream.ParseText(text, length); }, [&]() { return CString(folder); },
        false, detail);
    if (result == kNoMemory)
        *detail = "not enough memory";
    return result == kRead;
}

// One log line for any refusal: the XML reader's text, or what the content breaks.
bool ReadProjectFile(const char* path, ProjectRecord* project, CString* message, CString* reason)
{
    CString detail;
    const ReadResult result = ReadInto(
        project, [&](CXmlStream& stream) { return stream.ParseFile(path); }, [&]() { return ProjectFolderOf(path); },
        true, &detail);
    if (result == kRead)
        return true;
    CString why = CString("invalid project file ") + path + ": " + detail;
    if (result == kNoMemory)
        why = CString("not enough memory to open ") + path + "!";
    else if (result == kNotXml)
        why = detail;
    XmlLog(why);
    if (reason != nullptr)
        *reason = why;
    *message = result == kNoMemory ? why : CString(kInvalidProjectFileMessage);
    return false;
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
