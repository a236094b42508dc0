#include "Sheet.h"

#include <algorithm>
#include <fstream>

namespace {
constexpr int kCell = 256;      // each image is scaled by a whole factor to fit a cell this wide
constexpr int kGap = 16;
} // namespace

bool WriteSheet(const std::string& path, const std::vector<std::vector<Image>>& rows)
{
    size_t columns = 0;
    for (const auto& row : rows) columns = std::max(columns, row.size());
    const int width = kGap + static_cast<int>(columns) * (kCell + kGap);
    const int height = kGap + static_cast<int>(rows.size()) * (kCell + kGap);
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3, 0x40);

    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const Image& image = rows[r][c];
            const int scale = std::max(1, kCell / image.size);
            const int left = kGap + static_cast<int>(c) * (kCell + kGap);
            const int top = kGap + static_cast<int>(r) * (kCell + kGap);
            for (int y = 0; y < image.size * scale; ++y)
                for (int x = 0; x < image.size * scale; ++x) {
                    const int i = (y / scale) * image.size + x / scale;
                    const bool light = ((x / 8) + (y / 8)) % 2 == 0;
                    const Rgb p = image.transparent[i] ? (light ? Rgb{0xD0, 0xD0, 0xD0} : Rgb{0xA0, 0xA0, 0xA0})
                                                       : image.palette[image.index[i]];
                    uint8_t* out = &pixels[(static_cast<size_t>(top + y) * width + left + x) * 3];
                    out[0] = p.r;
                    out[1] = p.g;
                    out[2] = p.b;
                }
        }

    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}
