#include "cli/TerminalProgress.h"

#include <chrono>

namespace {

// A pass shorter than this shows no bar.
constexpr double kQuietSeconds = 0.5;
constexpr int kBarWidth = 40;

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

TerminalProgress::TerminalProgress(std::FILE* terminal, std::function<double()> seconds)
    : m_terminal(terminal), m_seconds(seconds ? std::move(seconds) : SteadySeconds)
{
}

void TerminalProgress::Begin(const char* label)
{
    m_label = label;
    m_last = -1;
    m_drawn = false;
    if (m_terminal) m_began = m_seconds();
}

void TerminalProgress::SetRange32(int low, int high)
{
    m_low = low;
    m_high = high > low ? high : low + 1;
}

void TerminalProgress::SetPos(int position)
{
    // The engine reports once per 4096-byte block: look at the clock only when the position moves.
    if (!m_terminal || position == m_last) return;
    m_last = position;
    if (!m_drawn && m_seconds() - m_began < kQuietSeconds) return;
    Draw(position);
}

void TerminalProgress::End()
{
    if (!m_drawn) return;
    Draw(m_high);
    std::fputc('\n', m_terminal);
    std::fflush(m_terminal);
    m_drawn = false;
}

void TerminalProgress::Draw(int position)
{
    const int percent = (position - m_low) * 100 / (m_high - m_low);
    const int filled = percent * kBarWidth / 100;
    std::fprintf(m_terminal, "\r%-5s [%s%s] %3d%%", m_label.c_str(), std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, '.').c_str(), percent);
    std::fflush(m_terminal);
    m_drawn = true;
}
