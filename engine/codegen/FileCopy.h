// FileCopy.h: copies one file over another, the one way the program puts files it ships into a project.
#pragma once

#include <string>

namespace codegen
{

// Copies from to to, replacing an older copy in one step: to ends up either
// the old file or the whole new one. A read-only to is left alone. Returns
// false with an output-pane line in error ("Error: cannot copy ...: why").
// told gets what putting right a run cut off in the folder did and left.
bool CopyFileOver(const std::string& from, const std::string& to, std::string& error, std::string* told = nullptr);

}  // namespace codegen
