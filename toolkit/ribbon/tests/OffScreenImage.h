// OffScreenImage.h: what a piece of the ribbon draws into a memory bitmap, read back for the look and layout tests.
#pragma once

#include <afxwin.h>

#include "PixelImage.h"

#include <functional>

// Runs the drawing over a 32-bit bitmap of the size, black at first, and returns its pixels.
CPixelImage DrawOffScreen(CSize size, const std::function<void(CDC*)>& draw);
