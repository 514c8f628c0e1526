// Reloading a configuration while the system refuses the thread that watches its files.
// Defines: ReloadLosingTheWatch.
#pragma once

#include <functional>

#include "KTSyntaxEditConfigurationManager.h"

// Reloads on the calling thread with the allocation of the watch's thread refused, as memory running out
// would. settle runs after each reload and must hand the receivers' events over, so that a reload meets its
// receivers as the one before did. TRUE when the reload read the files and reported the watch lost.
bool ReloadLosingTheWatch(CKTSyntaxEditConfigurationManager& config, const std::function<void()>& settle);
