#include "DialogTemplate.h"

#include "ByteReader.h"

namespace {

constexpr uint32_t kDsSetFont = 0x40, kDsShellFont = 0x48;

SzOrOrd ReadSzOrOrd(ByteReader& r)
{
    SzOrOrd field;
    const size_t start = r.Pos();
    const uint16_t first = r.U16();
    if (first == 0xFFFF) {
        field.isOrdinal = true;
        field.ordinal = r.U16();
    } else if (first != 0) {
        r.Seek(start);
        field.text = r.Sz();
    }
    return field;
}

} // namespace

DialogTemplate ParseDialogTemplate(const std::vector<uint8_t>& data)
{
    ByteReader r(data);
    DialogTemplate d;
    d.version = r.U16();
    d.signature = r.U16();
    if (d.version != 1 || d.signature != 0xFFFF) throw std::runtime_error("not an extended dialog template");
    d.helpId = r.U32();
    d.exStyle = r.U32();
    d.style = r.U32();
    const unsigned count = r.U16();
    d.x = r.S16();
    d.y = r.S16();
    d.cx = r.S16();
    d.cy = r.S16();
    d.menu = ReadSzOrOrd(r);
    d.windowClass = ReadSzOrOrd(r);
    d.title = r.Sz();
    if ((d.style & kDsSetFont) || (d.style & kDsShellFont) == kDsShellFont) {
        d.pointSize = r.U16();
        d.weight = r.U16();
        d.italic = r.U8();
        d.charset = r.U8();
        d.typeface = r.Sz();
    }
    for (unsigned i = 0; i < count; ++i) {
        r.AlignTo4();   // each item starts on a DWORD boundary
        DialogItem item;
        item.helpId = r.U32();
        item.exStyle = r.U32();
        item.style = r.U32();
        item.x = r.S16();
        item.y = r.S16();
        item.cx = r.S16();
        item.cy = r.S16();
        item.id = r.U32();
        item.windowClass = ReadSzOrOrd(r);
        item.title = ReadSzOrOrd(r);
        item.extraCount = r.U16();
        r.Bytes(item.extraCount);
        d.items.push_back(item);
    }
    return d;
}
