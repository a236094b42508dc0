#include "engine/Report.h"

#include "engine/RomLayout.h"

CString FormatReport(uint32_t start, uint32_t end, unsigned layout, const uint32_t sums[4])
{
    CString report;
    report.Format("<<%08X ～ %08X>>\r\n", static_cast<unsigned>(start), static_cast<unsigned>(end));
    for (int device = 0; device < DeviceCount(layout); ++device) {
        CString line;
        line.Format("  ROM%d: %08X\r\n", device + 1, static_cast<unsigned>(sums[device]));
        report += line;
    }
    return report;
}
