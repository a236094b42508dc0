#include "cli/Arguments.h"

#include <cstring>

#include "engine/RomLayout.h"

namespace {

const char* const kLayoutNames[] = {"8bit-1", "8bit-2", "8bit-4", "16bit-1", "16bit-2", "16bit-4"};

bool ReadLayout(const std::string& text, unsigned* layout)
{
    for (unsigned i = 0; i < 6; ++i) {
        if (text == kLayoutNames[i] || text == std::to_string(i + 1)) {
            *layout = Layout8Bit1 + i;
            return true;
        }
    }
    return false;
}

bool ReadFormat(const std::string& text, InputFormat* format)
{
    static const InputFormat kFormats[] = {InputFormat::Binary, InputFormat::IntelHex,
                                           InputFormat::SRecord, InputFormat::Auto};
    for (InputFormat f : kFormats) {
        if (text == FormatName(f)) {
            *format = f;
            return true;
        }
    }
    return false;
}

} // namespace

const char kUsageText[] =
    "Usage: tobrin-sum [options] FILE\n"
    "Shares the bytes of an address range of FILE among 1, 2 or 4 ROM devices by a bus layout and\n"
    "prints each device's 32-bit byte sum.\n"
    "\n"
    "  --layout L    8bit-1 (default), 8bit-2, 8bit-4, 16bit-1, 16bit-2, 16bit-4, or 1 to 6\n"
    "  --start HEX   first address (default 0)\n"
    "  --end HEX     last address, included (default: the last address of the image)\n"
    "                The range is ordered and widened to whole bus words of the layout.\n"
    "  --format F    binary (default), ihex (Intel HEX), srec (Motorola S-record), auto\n"
    "                In HEX and S-record images every unwritten position is a byte FF.\n"
    "  --json        print one JSON object instead of the report\n"
    "  --split DIR   also write each device's bytes of the range to DIR/ROM1.bin, ROM2.bin, ...\n"
    "  --help        print this help\n"
    "  --version     print the version\n"
    "\n"
    "Exit codes: 0 done, 1 I/O error, 2 usage, 3 file not found or unreadable, 4 bad range,\n"
    "5 malformed HEX or S-record.\n";

const char* LayoutName(unsigned layout)
{
    return layout >= Layout8Bit1 && layout <= Layout16Bit4 ? kLayoutNames[layout - Layout8Bit1] : nullptr;
}

const char* FormatName(InputFormat format)
{
    switch (format) {
    case InputFormat::Binary: return "binary";
    case InputFormat::IntelHex: return "ihex";
    case InputFormat::SRecord: return "srec";
    case InputFormat::Auto: return "auto";
    }
    return "";
}

bool ParseArguments(int argc, const char* const* argv, Arguments* arguments, std::string* error)
{
    Arguments result;
    std::optional<std::string> file;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            if (file) {
                *error = "more than one input file ('" + *file + "' and '" + argument + "')";
                return false;
            }
            file = argument;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            result.help = true;
            continue;
        }
        if (argument == "--version") {
            result.version = true;
            continue;
        }
        if (argument == "--json") {
            result.json = true;
            continue;
        }

        // The options with a value: "--name value" or "--name=value".
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (name != "--layout" && name != "--start" && name != "--end" && name != "--format" &&
            name != "--split") {
            *error = "unknown option '" + argument + "'";
            return false;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            *error = "option " + name + " needs a value";
            return false;
        }

        if (name == "--layout") {
            if (!ReadLayout(value, &result.layout)) {
                *error = "unknown layout '" + value + "' (8bit-1, 8bit-2, 8bit-4, 16bit-1, 16bit-2, 16bit-4 or 1-6)";
                return false;
            }
        } else if (name == "--format") {
            if (!ReadFormat(value, &result.format)) {
                *error = "unknown format '" + value + "' (binary, ihex, srec or auto)";
                return false;
            }
        } else if (name == "--start") {
            result.start = value;
        } else if (name == "--end") {
            result.end = value;
        } else {
            if (value.empty()) {
                *error = "option --split needs a directory";
                return false;
            }
            result.splitDirectory = value;
        }
    }
    if (result.help || result.version) {
        *arguments = result;
        return true;
    }
    if (!file) {
        *error = "no input file";
        return false;
    }
    result.file = *file;
    *arguments = result;
    return true;
}
