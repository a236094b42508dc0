// Writes images as one .ico file: uncompressed DIBs in icon form, whatever the size.
#pragma once

#include "Image.h"

#include <string>
#include <vector>

// Returns the bytes of an .ico file holding `images` in this order.
std::vector<uint8_t> IcoFileBytes(const std::vector<Image>& images);

// Writes IcoFileBytes(images) to `path`; false when the file cannot be written.
bool WriteIcoFile(const std::string& path, const std::vector<Image>& images);
