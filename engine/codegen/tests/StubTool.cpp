// StubTool.cpp: a stand-in for cl.exe and lib.exe. It appends "<its name> <its arguments>" to args.txt in its own
// folder, copies each "*_api.c" argument, read from the folder it runs in, to seen.c there, and then writes
// "<its name>.done" there, so a test that waits for that file reads the others whole.
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

namespace
{

// The command line after the program's own name, as cmd passed it.
std::string Arguments()
{
    const std::string line = ::GetCommandLine();
    const bool quoted = !line.empty() && line[0] == '"';
    const size_t nameEnd = quoted ? line.find('"', 1) : line.find(' ');
    const size_t start = nameEnd == std::string::npos ? nameEnd : line.find_first_not_of(' ', nameEnd + quoted);
    return start == std::string::npos ? std::string() : line.substr(start);
}

void CopySources(const std::string& arguments, const std::string& folder)
{
    std::istringstream words(arguments);
    const std::string suffix = "_api.c";
    for (std::string word; words >> word;)
        if (word.size() > suffix.size() && word.compare(word.size() - suffix.size(), suffix.size(), suffix) == 0)
            ::CopyFile(word.c_str(), (folder + "seen.c").c_str(), FALSE);
}

}  // namespace

int main()
{
    char path[MAX_PATH] = "";
    const DWORD length = ::GetModuleFileName(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    const std::string self = path;
    const size_t slash = self.find_last_of('\\') + 1;
    const std::string folder = self.substr(0, slash);
    const std::string name = self.substr(slash, self.find_last_of('.') - slash);
    const std::string arguments = Arguments();
    std::ofstream(folder + "args.txt", std::ios::binary | std::ios::app) << name << ' ' << arguments << "\r\n";
    CopySources(arguments, folder);
    std::ofstream(folder + name + ".done", std::ios::binary) << "done\r\n";
    return 0;
}
