// A review sheet: every icon image enlarged side by side, transparency shown as a chequerboard.
#pragma once

#include "Image.h"

#include <string>
#include <vector>

// Writes `rows` of images as a binary PPM (P6) file; false when the file cannot be written.
bool WriteSheet(const std::string& path, const std::vector<std::vector<Image>>& rows);
