// The chips' lettering: a proportional pixel font, seven pixels high, for the characters the labels use.
#pragma once

#include <string>
#include <vector>

constexpr int kFontHeight = 7;

// Returns the glyph of `c` as kFontHeight rows of '#' (set) and '.' (clear), all of one width;
// an empty glyph for a character the font lacks.
const std::vector<std::string>& Glyph(char c);

// Width in pixels of `text` with one clear column between characters.
int TextWidth(const std::string& text);
