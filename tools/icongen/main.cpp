// icongen: draws the program's icons.
//   icongen FOLDER          writes the .ico files that the resource script names into FOLDER
//   icongen --sheet FILE    writes every image, enlarged, into one PPM picture for review
#include "ChipPicture.h"
#include "IcoFile.h"
#include "Sheet.h"
#include "SunPicture.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Chip {
    const char* file;
    const char* line1;
    const char* line2;
};

// In the order of the icon groups 129 to 136.
const Chip kChips[] = {
    {"rom1_8bit.ico", "ROM1", "8bit"},  {"rom2_8bit.ico", "ROM2", "8bit"},
    {"rom3_8bit.ico", "ROM3", "8bit"},  {"rom4_8bit.ico", "ROM4", "8bit"},
    {"rom2_16bit.ico", "ROM2", "16bit"}, {"rom1_16bit.ico", "ROM1", "16bit"},
    {"rom3_16bit.ico", "ROM3", "16bit"}, {"rom4_16bit.ico", "ROM4", "16bit"},
};

std::vector<Image> SunImages()
{
    return {SunPicture(16, 4), SunPicture(32, 4), SunPicture(32, 8),
            SunPicture(48, 8), SunPicture(128, 8), SunPicture(256, 8)};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--sheet") == 0) {
        std::vector<Image> chips;
        for (const Chip& chip : kChips) chips.push_back(ChipPicture(chip.line1, chip.line2));
        if (WriteSheet(argv[2], {SunImages(), chips})) return 0;
        std::fprintf(stderr, "icongen: cannot write %s\n", argv[2]);
        return 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen FOLDER | icongen --sheet FILE.ppm\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = WriteIcoFile(folder + "/mainframe.ico", SunImages());
    for (const Chip& chip : kChips)
        ok = WriteIcoFile(folder + "/" + chip.file, {ChipPicture(chip.line1, chip.line2)}) && ok;
    if (!ok) std::fprintf(stderr, "icongen: cannot write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
