// LeftRecord.h: the record a run of the writer leaves when a kill stops it, as a test plants it beside files.
#pragma once

#include "project/RunRecord.h"

#include <string>
#include <utility>
#include <vector>

// The record in folder (given with or without its last separator) of a run killed after announcing those steps, each of the named file of the folder.
// A temporary written, and an old file set aside, are proven by the bytes planted for them: the temporary,
// or the file itself once it went in, and the set-aside. False when it could not be made.
bool LeaveRecord(const std::string& folder, const std::vector<std::pair<RunStep, std::string>>& steps);

using RunSteps = std::vector<std::pair<RunStep, std::string>>;
// The steps of a run replacing those files, all there before, killed once the first of them went in.
RunSteps StepsUntilTheFirstWentIn(const std::vector<std::string>& names);
// The steps of a run replacing those files, all there before, that announced every old one before the first it
// wrote, killed once the last of them went in.
RunSteps StepsUntilAllWentIn(const std::vector<std::string>& names);
