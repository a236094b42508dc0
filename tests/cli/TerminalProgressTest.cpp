// The progress bar stays silent for a short pass and draws, then ends its line, for a long one.
#include "cli/TerminalProgress.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// Runs positions 0..100 through a bar whose clock advances `step` seconds at each look; returns what
// the bar wrote.
std::string Drive(double step)
{
    std::FILE* out = std::tmpfile();
    double now = 0;
    TerminalProgress bar(out, [&] { return now += step; });
    bar.Begin("sum");
    bar.SetRange32(0, 100);
    for (int position = 0; position <= 100; ++position) {
        bar.SetPos(position);
        bar.SetPos(position);  // a block that does not move the percentage
    }
    bar.End();
    std::string text(static_cast<size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    text.resize(std::fread(&text[0], 1, text.size(), out));
    std::fclose(out);
    return text;
}

TEST(TerminalProgressTest, DrawsOnlyForALongPass)
{
    EXPECT_EQ(Drive(0.001), "");  // 0.1 s in all
    const std::string drawn = Drive(0.1);
    EXPECT_NE(drawn.find("\rsum   [" + std::string(40, '#') + "] 100%\n"), std::string::npos) << drawn;
    EXPECT_EQ(drawn.back(), '\n');
}

} // namespace
