// The command line of tobrin-sum.
#pragma once

#include <optional>
#include <string>

enum class InputFormat { Binary, IntelHex, SRecord, Auto };

struct Arguments {
    std::string file;
    unsigned layout = 1;                 // a RomLayout, 1 to 6
    std::optional<std::string> start;    // address texts as given, read later like the dialog's boxes
    std::optional<std::string> end;
    InputFormat format = InputFormat::Binary;
    bool json = false;
    std::optional<std::string> splitDirectory;
    bool help = false;
    bool version = false;
};

// Reads argv[1..argc-1]. Options take their value as the next argument or after '='; a later option
// overrides an earlier one; "--" ends the options. With --help or --version anywhere, nothing else is
// checked. Returns false with a one-line message in *error on a usage error.
bool ParseArguments(int argc, const char* const* argv, Arguments* arguments, std::string* error);

// "8bit-1" to "16bit-4" for the layouts 1 to 6; nullptr for any other value.
const char* LayoutName(unsigned layout);

// "binary", "ihex", "srec", "auto".
const char* FormatName(InputFormat format);

extern const char kUsageText[];
