// The calculate command of the main dialog and the two range operations it runs.
#pragma once

#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/ChecksumPass.h"
#include "engine/HexAddress.h"
#include "engine/Messages.h"
#include "engine/Report.h"
#include "engine/RomLayout.h"
#include "platform/InputFile.h"
#include "res/resource.h"

// An input path may be this many bytes long; one more is refused.
constexpr int kMaxPathBytes = 260;

// The end address proposed for a file of `size` bytes: size - 1 modulo 2^32 (an empty file gives
// FFFFFFFF); a file of 4 GiB or more gives the whole addressable range.
constexpr uint32_t ProposedEndAddress(uint64_t size)
{
    return size > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(size - 1);
}

// What ParseRange returns.
enum RangeResult {
    RangeReady = 0,           // m_nStart, m_nEnd, m_nLayout set, ordered and aligned
    RangeTextMissing = -1,    // the start or the end text is empty; nothing changed
    RangeStartEqualsEnd = -2, // both read as one number, now in m_nStart and m_nEnd; layout not read
    RangeUnreadable = -3,     // a text holds no hexadecimal number, or one beyond 32 bits; nothing changed
};

// RefreshInputFile, ParseRange and OnCalculate are operations of the main dialog. They are written once,
// here, against the dialog's members and the few operations they need of it, so that they run unchanged
// in the dialog and in a test stand-in without any window. The class `Dialog` derives from this one and has
//   members  CString m_strFile, m_strStart, m_strEnd, m_strResult;
//            char m_szPath[261], m_szLastPath[261]; uint32_t m_nStart, m_nEnd; uint16_t m_nLayout;
//   and      UpdateData(bool fromControls)       the data exchange (true: controls to members)
//            bool IsLayoutChecked(int controlId)  check state of a layout radio button
//            ProgressSink& CalculationProgress()  the progress bar
//            void BeginWaitCursor(), void EndWaitCursor()
//            void ShowMessage(const char* text, unsigned icon)  a modal OK box; returns once it is closed
template <class Dialog>
class CalculationCommand {
public:
    // Notices that m_strFile names another file than the one last opened, and then proposes the whole
    // file as the range (m_strStart, m_strEnd). A path over 260 bytes, or a file that cannot be opened,
    // changes nothing. The controls are not updated.
    void RefreshInputFile();

    // Reads, orders and aligns the range and reads the layout; returns a RangeResult.
    int ParseRange();

    // The 計算 button: refresh, parse, check, run the pass, show the report.
    void OnCalculate();

private:
    Dialog& Dlg() { return static_cast<Dialog&>(*this); }
};

template <class Dialog>
void CalculationCommand<Dialog>::RefreshInputFile()
{
    Dialog& dlg = Dlg();
    if (dlg.m_strFile.GetLength() > kMaxPathBytes) return;
    std::memcpy(dlg.m_szPath, static_cast<const char*>(dlg.m_strFile), dlg.m_strFile.GetLength() + 1);

    uint64_t size = 0;
    if (!QueryInputFileSize(dlg.m_szPath, &size)) return;

    // Byte for byte: another spelling of the same file counts as another file.
    if (std::strcmp(dlg.m_szPath, dlg.m_szLastPath) != 0) {
        dlg.m_strStart = "00000000";
        dlg.m_strEnd.Format("%08X", static_cast<unsigned>(ProposedEndAddress(size)));
    }
    std::strcpy(dlg.m_szLastPath, dlg.m_szPath);
}

template <class Dialog>
int CalculationCommand<Dialog>::ParseRange()
{
    Dialog& dlg = Dlg();
    if (dlg.m_strStart.IsEmpty() || dlg.m_strEnd.IsEmpty()) return RangeTextMissing;

    uint32_t start = 0;
    uint32_t end = 0;
    if (!ReadHexAddress(dlg.m_strStart, &start) || !ReadHexAddress(dlg.m_strEnd, &end)) {
        return RangeUnreadable;
    }
    dlg.m_nStart = start;
    dlg.m_nEnd = end;
    if (start == end) return RangeStartEqualsEnd;
    if (end < start) {
        dlg.m_nStart = end;
        dlg.m_nEnd = start;
    }

    // The first checked of the first five buttons; none of them means the sixth.
    static const int kButtons[] = {IDC_LAYOUT1, IDC_LAYOUT2, IDC_LAYOUT3, IDC_LAYOUT4, IDC_LAYOUT5};
    uint16_t layout = Layout16Bit4;
    for (int i = 0; i < 5; ++i) {
        if (dlg.IsLayoutChecked(kButtons[i])) {
            layout = static_cast<uint16_t>(Layout8Bit1 + i);
            break;
        }
    }
    dlg.m_nLayout = layout;

    const uint32_t mask = AlignmentMask(layout);
    dlg.m_nStart &= ~mask;
    dlg.m_nEnd |= mask;
    return RangeReady;
}

template <class Dialog>
void CalculationCommand<Dialog>::OnCalculate()
{
    Dialog& dlg = Dlg();
    dlg.UpdateData(true);
    RefreshInputFile();
    const int range = ParseRange();
    dlg.UpdateData(false);  // shows range texts that RefreshInputFile reset
    dlg.m_strResult.Empty();  // the box keeps its text until a report replaces it

    if (dlg.m_strFile.IsEmpty()) {
        dlg.ShowMessage(kMsgNoInputFile, kIconError);
        return;
    }
    if (dlg.m_strFile.GetLength() > kMaxPathBytes) {
        dlg.ShowMessage(kMsgPathTooLong, kIconError);
        return;
    }
    // RefreshInputFile has copied the path into m_szPath, since it is at most 260 bytes long.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenInputForPass(dlg.m_szPath), std::fclose);
    if (!file) {
        dlg.ShowMessage(kMsgFileNotFound, kIconError);
        return;
    }
    if (range == RangeTextMissing) {
        file.reset();
        dlg.ShowMessage(kMsgAddressMissing, kIconError);
        return;
    }
    if (range != RangeReady) {
        file.reset();
        dlg.ShowMessage(kMsgAddressInvalid, kIconError);
        return;
    }

    dlg.BeginWaitCursor();
    const PassResult pass =
        CalculateSums(file.get(), dlg.m_nStart, dlg.m_nEnd, dlg.m_nLayout, dlg.CalculationProgress());
    file.reset();
    if (pass.readFailed) {
        // Sums over bytes that were never read would be wrong: no report.
        dlg.EndWaitCursor();
        dlg.ShowMessage(kMsgReadFailed, kIconError);
        return;
    }
    dlg.m_strResult = FormatReport(dlg.m_nStart, dlg.m_nEnd, dlg.m_nLayout, pass.sums);
    dlg.UpdateData(false);
    dlg.EndWaitCursor();
    dlg.ShowMessage(kMsgCompleted, kIconInformation);
}
