#include "cli/Output.h"

#include <cstdio>

#include "engine/Report.h"
#include "engine/RomLayout.h"

std::string ReportText(uint32_t start, uint32_t end, unsigned layout, const uint32_t sums[4])
{
    const std::string report = FormatReport(start, end, layout, sums).Str();
    std::string text;
    for (size_t i = 0; i < report.size(); ++i) {
        if (report.compare(i, 2, "\r\n") == 0) {
            text += kLineEnd;
            ++i;
        } else {
            text += report[i];
        }
    }
    return text;
}

std::string JsonText(InputFormat format, uint32_t start, uint32_t end, unsigned layout, const uint32_t sums[4])
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "{\"format\":\"%s\",\"layout\":\"%s\",\"layout_number\":%u,\"start\":\"%08X\",\"end\":\"%08X\","
                  "\"devices\":[",
                  FormatName(format), LayoutName(layout), layout, static_cast<unsigned>(start),
                  static_cast<unsigned>(end));
    std::string text = buffer;
    for (int device = 0; device < DeviceCount(layout); ++device) {
        std::snprintf(buffer, sizeof buffer, "%s{\"device\":\"ROM%d\",\"sum\":\"%08X\",\"sum16\":\"%04X\"}",
                      device > 0 ? "," : "", device + 1, static_cast<unsigned>(sums[device]),
                      static_cast<unsigned>(sums[device] & 0xFFFF));
        text += buffer;
    }
    text += "]}";
    text += kLineEnd;
    return text;
}
