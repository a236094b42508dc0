// The progress bar as the checksum pass's progress sink. A pass over 4 GiB reports a million blocks; the
// bar is sent a position only when it differs from the one it shows.
#pragma once

#include "engine/ChecksumPass.h"
#include "framework/Controls.h"

class ProgressBarSink : public ProgressSink {
public:
    explicit ProgressBarSink(CProgressCtrl& bar) : m_bar(bar) {}

    void SetRange32(int low, int high) override
    {
        m_bar.SetRange32(low, high);
        m_shown = -1;
    }
    void SetPos(int position) override
    {
        if (position == m_shown) return;
        m_bar.SetPos(position);
        m_shown = position;
    }

private:
    CProgressCtrl& m_bar;
    int m_shown = -1;
};
