// The chip pictures of the layouts: a ROM in a dual-in-line package seen from above, 32 x 32, 4 bits,
// with the device's number and width lettered on the body.
#pragma once

#include "Image.h"

#include <string>

// Returns the picture lettered `line1` (rows 10 to 16) and `line2` (rows 21 to 27).
Image ChipPicture(const std::string& line1, const std::string& line2);
