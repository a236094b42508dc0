// The application icon: a sun, a disc with twelve triangular rays, on a transparent background.
#pragma once

#include "Image.h"

// Returns the sun drawn for `size` x `size` pixels at `bits` per pixel; the sizes the icon holds are
// 16 and 32 at 4 bits, and 32, 48, 128 and 256 at 8 bits.
Image SunPicture(int size, int bits);
