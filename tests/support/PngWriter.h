// Writes captured pixels as a PNG file, for a person to look at.
#pragma once

#include "PixelImage.h"

#include <string>

// True when the whole file was written.
bool WritePng(const CPixelImage& image, const std::string& strPath);
