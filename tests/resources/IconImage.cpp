#include "IconImage.h"

#include "ByteReader.h"

GroupIcon ParseGroupIcon(const std::vector<uint8_t>& data)
{
    ByteReader r(data);
    GroupIcon g;
    g.reserved = r.U16();
    g.type = r.U16();
    const unsigned count = r.U16();
    for (unsigned i = 0; i < count; ++i) {
        GroupIconEntry e;
        e.width = r.U8();
        e.height = r.U8();
        e.colourCount = r.U8();
        e.reserved = r.U8();
        e.planes = r.U16();
        e.bitCount = r.U16();
        e.bytesInRes = r.U32();
        e.id = r.U16();
        g.entries.push_back(e);
    }
    return g;
}

IconImage ParseIconImage(const std::vector<uint8_t>& data)
{
    ByteReader r(data);
    IconImage image;
    image.headerSize = r.U32();
    if (image.headerSize != 40) throw std::runtime_error("not a BITMAPINFOHEADER (a PNG image?)");
    image.width = static_cast<int32_t>(r.U32());
    image.height = static_cast<int32_t>(r.U32());
    image.planes = r.U16();
    image.bitCount = r.U16();
    image.compression = r.U32();
    image.sizeImage = r.U32();
    r.U32();
    r.U32();
    image.clrUsed = r.U32();
    image.clrImportant = r.U32();
    if (image.bitCount != 4 && image.bitCount != 8) throw std::runtime_error("not 4 or 8 bits per pixel");
    if (image.compression != 0) throw std::runtime_error("compressed");
    const int n = image.width;
    if (n <= 0 || image.height != 2 * n) throw std::runtime_error("not a square icon image");

    const unsigned colours = image.clrUsed ? image.clrUsed : 1u << image.bitCount;
    for (unsigned i = 0; i < colours; ++i) {
        const uint32_t b = r.U8(), g = r.U8(), red = r.U8();
        image.paletteReserved.push_back(r.U8());
        image.palette.push_back(red << 16 | g << 8 | b);
    }
    const size_t colourStride = (n * image.bitCount + 31) / 32 * 4;
    const size_t maskStride = (n + 31) / 32 * 4;
    image.expectedSize = 40 + colours * 4 + (colourStride + maskStride) * n;

    image.m_index.assign(static_cast<size_t>(n) * n, 0);
    image.m_mask.assign(static_cast<size_t>(n) * n, false);
    const size_t colourPlane = r.Pos();
    const size_t maskPlane = colourPlane + colourStride * n;
    for (int row = 0; row < n; ++row) {         // rows are stored bottom-up
        const int y = n - 1 - row;
        r.Seek(colourPlane + row * colourStride);
        const auto bits = r.Bytes(colourStride);
        r.Seek(maskPlane + row * maskStride);
        const auto mask = r.Bytes(maskStride);
        for (int x = 0; x < n; ++x) {
            image.m_index[y * n + x] = image.bitCount == 8 ? bits[x] : (x % 2 == 0 ? bits[x / 2] >> 4 : bits[x / 2] & 0x0F);
            image.m_mask[y * n + x] = (mask[x / 8] >> (7 - x % 8)) & 1;
        }
    }
    return image;
}
