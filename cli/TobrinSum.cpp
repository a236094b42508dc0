// The order of the checks follows the dialog's calculate command: the input file first, then the range,
// then the pass; only a run that succeeded writes the split images and prints the sums.
#include "cli/TobrinSum.h"

#include <memory>

#include "cli/Arguments.h"
#include "cli/IntelHex.h"
#include "cli/Output.h"
#include "cli/SRecord.h"
#include "cli/SparseImage.h"
#include "cli/SplitWriter.h"
#include "cli/TerminalProgress.h"
#include "engine/CalculationCommand.h"
#include "engine/ImagePass.h"
#include "platform/InputFile.h"
#include "res/Version.h"

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The range texts and the layout as the dialog holds them, for the dialog's own ParseRange.
class RangeForm : public CalculationCommand<RangeForm> {
public:
    CString m_strStart, m_strEnd;
    uint32_t m_nStart = 0, m_nEnd = 0;
    uint16_t m_nLayout = Layout8Bit1;
    unsigned selectedLayout = Layout8Bit1;
    // The six radio buttons: the one of the selected layout is checked.
    bool IsLayoutChecked(int controlId) const
    {
        return controlId - IDC_LAYOUT1 + Layout8Bit1 == static_cast<int>(selectedLayout);
    }
};

int Fail(RunOutput* output, int code, const std::string& message)
{
    output->errors = "tobrin-sum: " + message + "\n";
    return code;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

} // namespace

InputFormat DetectFormat(std::FILE* file)
{
    // The first line must be a whole record: a marker, then only hexadecimal digits up to the line end.
    char head[kMaxRecordLine];
    const size_t got = std::fread(head, 1, sizeof head, file);
    std::rewind(file);
    size_t i = 0;
    while (i < got && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n')) ++i;
    InputFormat format;
    if (i + 1 < got && head[i] == ':') {
        format = InputFormat::IntelHex;
        i += 1;
    } else if (i + 2 < got && head[i] == 'S' && head[i + 1] >= '0' && head[i + 1] <= '9') {
        format = InputFormat::SRecord;
        i += 2;
    } else {
        return InputFormat::Binary;
    }
    const size_t digits = i;
    while (i < got && IsHexDigit(head[i])) ++i;
    if (i - digits < 2) return InputFormat::Binary;
    while (i < got && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r')) ++i;
    const bool lineEnds = i == got ? got < sizeof head : head[i] == '\n';
    return lineEnds ? format : InputFormat::Binary;
}

int RunTobrinSum(int argc, const char* const* argv, RunOutput* output, std::FILE* progressTerminal)
{
    Arguments args;
    std::string usageError;
    if (!ParseArguments(argc, argv, &args, &usageError)) {
        return Fail(output, ExitUsage, usageError + " (try --help)");
    }
    if (args.help) {
        for (const char* p = kUsageText; *p; ++p) {
            if (*p == '\n') output->out += kLineEnd; else output->out += *p;
        }
        return ExitOk;
    }
    if (args.version) {
        output->out = std::string("tobrin-sum ") + TOBRIN_VERSION_TEXT + kLineEnd;
        return ExitOk;
    }

    // The input file, and the end address proposed for it. The size is taken with no other handle open:
    // on Windows it opens the file without sharing, as the dialog does.
    InputFormat format = args.format;
    if (format == InputFormat::Auto) {
        FilePtr probe(OpenInputForPass(args.file.c_str()), std::fclose);
        if (!probe) return Fail(output, ExitFileNotFound, "cannot open '" + args.file + "'");
        format = DetectFormat(probe.get());
    }
    uint64_t size = 0;
    if (format == InputFormat::Binary && (!args.start || !args.end) &&
        !QueryInputFileSize(args.file.c_str(), &size)) {
        return Fail(output, ExitFileNotFound, "cannot open '" + args.file + "'");
    }
    FilePtr file(OpenInputForPass(args.file.c_str()), std::fclose);
    if (!file) return Fail(output, ExitFileNotFound, "cannot open '" + args.file + "'");

    SparseImage image;
    uint32_t proposedEnd = ProposedEndAddress(size);
    if (format != InputFormat::Binary) {
        std::unique_ptr<RecordReader> reader;
        if (format == InputFormat::IntelHex) reader.reset(new IntelHexReader(image));
        else reader.reset(new SRecordReader(image));
        RecordError error;
        bool readFailed = false;
        if (!ReadRecordFile(file.get(), *reader, &error, &readFailed)) {
            if (readFailed) return Fail(output, ExitIoError, "read error in '" + args.file + "'");
            const std::string where = error.line > 0 ? ":" + std::to_string(error.line) : "";
            return Fail(output, ExitBadRecords, args.file + where + ": " + error.message);
        }
        file.reset();
        // An image is as long as a binary file that ends with its last written byte.
        proposedEnd = image.IsEmpty() ? 0xFFFFFFFFu : image.LastAddress();
    }

    // The range, read, ordered and aligned by the dialog's rules.
    RangeForm range;
    range.selectedLayout = args.layout;
    range.m_strStart = args.start ? args.start->c_str() : "00000000";
    range.m_strEnd = args.end ? args.end->c_str() : Hex8(proposedEnd).c_str();
    uint32_t ignored;
    switch (range.ParseRange()) {
    case RangeReady:
        break;
    case RangeTextMissing:
        return Fail(output, ExitBadRange, range.m_strStart.IsEmpty() ? "empty start address" : "empty end address");
    case RangeUnreadable: {
        const bool startBad = !ReadHexAddress(range.m_strStart, &ignored);
        const std::string text = (startBad ? range.m_strStart : range.m_strEnd).Str();
        return Fail(output, ExitBadRange, std::string(startBad ? "start" : "end") + " address '" + text +
                                              "' is not a hexadecimal number of at most 32 bits");
    }
    default:
        return Fail(output, ExitBadRange, "start and end are both " + Hex8(range.m_nStart) +
                                              ": the range needs two different addresses");
    }
    const uint32_t start = range.m_nStart, end = range.m_nEnd;
    const unsigned layout = range.m_nLayout;

    TerminalProgress progress(progressTerminal);
    progress.Begin("sum");
    PassResult pass;
    if (format == InputFormat::Binary) {
        pass = CalculateSums(file.get(), start, end, layout, progress);
        file.reset();
    } else {
        const std::vector<ImageRun> runs = image.Runs();
        pass = CalculateImageSums(runs.data(), runs.size(), start, end, layout, progress);
    }
    progress.End();
    if (pass.readFailed) return Fail(output, ExitIoError, "read error in '" + args.file + "' during the pass");

    if (args.splitDirectory) {
        std::string error;
        progress.Begin("split");
        bool written;
        if (format == InputFormat::Binary) {
            FilePtr again(OpenInputForPass(args.file.c_str()), std::fclose);
            if (!again) return Fail(output, ExitFileNotFound, "cannot open '" + args.file + "' again");
            FileRangeSource source(again.get(), start);
            written = WriteSplitImages(source, start, end, layout, *args.splitDirectory, progress, &error);
        } else {
            ImageRangeSource source(image, start);
            written = WriteSplitImages(source, start, end, layout, *args.splitDirectory, progress, &error);
        }
        progress.End();
        if (!written) return Fail(output, ExitIoError, error);
    }

    output->out = args.json ? JsonText(format, start, end, layout, pass.sums) : ReportText(start, end, layout, pass.sums);
    return ExitOk;
}
