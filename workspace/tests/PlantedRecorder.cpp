// PlantedRecorder.cpp: a program that only notes that it ran, in "<its own path>.ran" holding its command line.
// Tests plant it under the name of a system program where the designer must not pick it up.
#include <windows.h>

#include <fstream>
#include <string>

int main()
{
    char szPath[MAX_PATH] = "";
    const DWORD nLength = ::GetModuleFileName(nullptr, szPath, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return 1;
    std::ofstream(std::string(szPath) + ".ran", std::ios::binary) << ::GetCommandLine();
    return 0;
}
