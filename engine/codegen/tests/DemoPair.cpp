// DemoPair.cpp: runs a generated demonstration server and client against each other over loopback.
#include "DemoPair.h"

#include "ProjectFolder.h"

#include <cstdio>
#include <sys/wait.h>

namespace codegen
{
namespace testing
{

DemoRun RunDemoPair(const std::string& folder, const std::string& program)
{
    DemoRun run;
    std::string command = "cd '" + folder + "' && exec " + program + " server 0 127.0.0.1 2>&1";
    FILE* server = popen(command.c_str(), "r");
    if (server == nullptr)
        return run;
    char line[512];
    unsigned port = 0;
    while (port == 0 && std::fgets(line, sizeof line, server) != nullptr)
    {
        run.serverOutput += line;
        std::sscanf(line, "listening on port %u", &port);
    }
    if (port != 0)
        run.client = RunCommand("cd '" + folder + "' && " + program + " client 127.0.0.1 " + std::to_string(port),
                                &run.clientOutput);
    while (std::fgets(line, sizeof line, server) != nullptr)
        run.serverOutput += line;
    int status = pclose(server);
    run.server = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool AllIntact(const DemoRun& run, int count)
{
    std::string all = std::to_string(count) + " of " + std::to_string(count) + " packets intact";
    return run.server == 0 && run.client == 0 && run.serverOutput.find("server: " + all) != std::string::npos &&
           run.clientOutput.find("client: " + all) != std::string::npos;
}

}  // namespace testing
}  // namespace codegen
