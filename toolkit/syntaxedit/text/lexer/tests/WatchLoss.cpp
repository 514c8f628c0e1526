// The watch's thread is the last thing a reload makes on its thread: a reload is counted once, then run
// again with its last allocation refused.
#include "WatchLoss.h"

#include <climits>

#include "AllocationFault.h"

bool ReloadLosingTheWatch(CKTSyntaxEditConfigurationManager& config, const std::function<void()>& settle)
{
    long made = 0;
    {
        AllocationFault count(LONG_MAX, AllocationFault::Threads::ThisOne);
        if (!config.ReloadConfig())
            return false;
        made = AllocationFault::Made();
    }
    settle();
    bool watched = true;
    {
        AllocationFault fault(made - 1, AllocationFault::Threads::ThisOne);
        watched = config.ReloadConfig();
    }
    settle();
    return !watched && config.IsWatchLost() && !config.GetSchemeNames().empty();
}
