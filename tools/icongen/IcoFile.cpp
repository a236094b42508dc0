#include "IcoFile.h"

#include <fstream>

namespace {

void Put16(std::vector<uint8_t>& out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Bytes per row of a plane: every row fills a whole number of 32-bit words.
int Stride(int width, int bits) { return (width * bits + 31) / 32 * 4; }

// BITMAPINFOHEADER, colour table, colour plane and mask plane, both planes bottom-up.
std::vector<uint8_t> Dib(const Image& image)
{
    const int n = image.size;
    const int colourStride = Stride(n, image.bits);
    const int maskStride = Stride(n, 1);
    std::vector<uint8_t> out;
    Put32(out, 40);
    Put32(out, n);
    Put32(out, 2 * n);              // an icon's DIB counts the colour and the mask plane
    Put16(out, 1);
    Put16(out, image.bits);
    Put32(out, 0);                  // BI_RGB: uncompressed
    Put32(out, (colourStride + maskStride) * n);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (unsigned i = 0; i < (1u << image.bits); ++i) {
        const Rgb c = i < image.palette.size() ? image.palette[i] : Rgb{0, 0, 0};
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(colourStride, 0);
        for (int x = 0; x < n; ++x) {
            const uint8_t v = image.index[y * n + x];
            if (image.bits == 8)
                row[x] = v;
            else
                row[x / 2] |= (x % 2 == 0) ? v << 4 : v;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < n; ++x)
            if (image.transparent[y * n + x]) row[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

std::vector<uint8_t> IcoFileBytes(const std::vector<Image>& images)
{
    std::vector<std::vector<uint8_t>> dibs;
    for (const Image& image : images) dibs.push_back(Dib(image));

    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);                  // type 1: icon
    Put16(out, static_cast<unsigned>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const Image& image = images[i];
        const uint8_t side = image.size == 256 ? 0 : image.size;    // a byte: 256 is written as 0
        out.push_back(side);
        out.push_back(side);
        out.push_back(image.bits == 4 ? 16 : 0);                    // 0 for 256 colours and more
        out.push_back(0);
        Put16(out, 1);
        Put16(out, image.bits);
        Put32(out, static_cast<uint32_t>(dibs[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(dibs[i].size());
    }
    for (const auto& dib : dibs) out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

bool WriteIcoFile(const std::string& path, const std::vector<Image>& images)
{
    const std::vector<uint8_t> bytes = IcoFileBytes(images);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}
