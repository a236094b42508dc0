// The progress bar of tobrin-sum on a terminal: drawn only once a pass has run for half a second, so
// that short runs print nothing.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "engine/ChecksumPass.h"

class TerminalProgress : public ProgressSink {
public:
    // `terminal` nullptr: draws nothing. `seconds` tells the time; the steady clock by default.
    explicit TerminalProgress(std::FILE* terminal, std::function<double()> seconds = {});

    // Names the next pass ("sum", "split") and starts its clock.
    void Begin(const char* label);
    void SetRange32(int low, int high) override;
    void SetPos(int position) override;
    // Ends the bar's line if one was drawn.
    void End();

private:
    void Draw(int position);

    std::FILE* m_terminal;
    std::function<double()> m_seconds;
    std::string m_label;
    double m_began = 0;
    int m_low = 0, m_high = 100;
    int m_last = -1;
    bool m_drawn = false;
};
