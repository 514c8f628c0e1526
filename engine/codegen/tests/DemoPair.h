// DemoPair.h: runs a generated demonstration server and client against each other over loopback.
#pragma once

#include <string>

namespace codegen
{
namespace testing
{

struct DemoRun
{
    int server = -1;
    int client = -1;
    std::string serverOutput;
    std::string clientOutput;
};

// Starts the server on a free loopback port, runs the client against it and
// waits for both; the demo's own time-outs bound the wait.
DemoRun RunDemoPair(const std::string& folder, const std::string& program);

// True when every one of count packets arrived intact at both ends.
bool AllIntact(const DemoRun& run, int count);

}  // namespace testing
}  // namespace codegen
