// KTTabAppearanceSetFactory.h: makes the appearance set of an id.
#pragma once

#include <memory>

#include "KTTabAppearanceSet.h"

// The set of ids 0-10; any other id gives the id-0 set.
std::unique_ptr<CKTTabAppearanceSet> KTCreateTabAppearanceSet(int nAppearance);
