// A stand-in for the main dialog: its calculation members, and controls that are plain values. It
// records what the command did to the progress bar, the cursor and the message boxes, in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/CalculationCommand.h"

class RecordingProgress : public ProgressSink {
public:
    void SetRange32(int low, int high) override { ranges.push_back({low, high}); }
    void SetPos(int position) override { positions.push_back(position); }

    std::vector<std::pair<int, int>> ranges;
    std::vector<int> positions;
};

class FakeDialog : public CalculationCommand<FakeDialog> {
public:
    FakeDialog()
    {
        m_szPath[0] = '\0';
        m_szLastPath[0] = '\0';
    }

    // The controls.
    std::string fileBox, startBox, endBox, resultBox;
    int checkedLayout = IDC_LAYOUT1;  // 0 when no radio button is checked
    RecordingProgress progress;

    // What happened, in order: "cursor on", "cursor off", "message <text> <icon>".
    std::vector<std::string> events;

    // The dialog's members that the command works on.
    CString m_strFile, m_strStart, m_strEnd, m_strResult;
    char m_szPath[261];
    char m_szLastPath[261];
    uint32_t m_nStart = 0;
    uint32_t m_nEnd = 0;
    uint16_t m_nLayout = Layout8Bit1;

    // The operations the command needs of the dialog.
    bool UpdateData(bool fromControls)
    {
        if (fromControls) {
            m_strFile = fileBox.c_str();
            m_strStart = startBox.c_str();
            m_strEnd = endBox.c_str();
            m_strResult = resultBox.c_str();
        } else {
            fileBox = m_strFile.Str();
            startBox = m_strStart.Str();
            endBox = m_strEnd.Str();
            resultBox = m_strResult.Str();
        }
        return true;
    }
    bool IsLayoutChecked(int controlId) const { return controlId == checkedLayout; }
    ProgressSink& CalculationProgress() { return progress; }
    void BeginWaitCursor() { events.push_back("cursor on"); }
    void EndWaitCursor() { events.push_back("cursor off"); }
    void ShowMessage(const char* text, unsigned icon)
    {
        events.push_back("message " + std::string(text) + " " + std::to_string(icon));
    }

    // The event of a message box with `text` and `icon`.
    static std::string Message(const char* text, unsigned icon)
    {
        return "message " + std::string(text) + " " + std::to_string(icon);
    }
};
