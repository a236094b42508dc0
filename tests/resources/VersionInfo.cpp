#include "VersionInfo.h"

#include "ByteReader.h"

namespace {

VersionNode ReadNode(ByteReader& r, const std::vector<uint8_t>& data)
{
    const size_t start = r.Pos();
    const uint16_t length = r.U16();
    VersionNode node;
    node.valueLength = r.U16();
    node.type = r.U16();
    node.key = r.Sz();
    r.AlignTo4();
    if (node.type == 1) {
        node.text = r.Chars(node.valueLength);
        if (!node.text.empty() && node.text.back() == 0) node.text.pop_back();
    } else {
        node.value = r.Bytes(node.valueLength);
    }
    const size_t end = start + length;
    if (end > data.size()) throw std::runtime_error("version node longer than the resource");
    for (;;) {
        r.AlignTo4();
        if (r.Pos() >= end) break;
        node.children.push_back(ReadNode(r, data));
    }
    r.Seek(end);
    return node;
}

} // namespace

const VersionNode& VersionNode::Child(const std::u16string& name) const
{
    for (const VersionNode& c : children)
        if (c.key == name) return c;
    throw std::runtime_error("no version node of that name");
}

VersionNode ParseVersionInfo(const std::vector<uint8_t>& data)
{
    ByteReader r(data);
    return ReadNode(r, data);
}
