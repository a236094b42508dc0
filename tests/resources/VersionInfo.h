// A version resource (RT_VERSION) as its tree of nodes: VS_VERSIONINFO, StringFileInfo, string tables,
// strings, VarFileInfo, Var.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct VersionNode {
    uint16_t type = 0;                  // 1: the value is text, 0: binary
    std::u16string key;
    std::vector<uint8_t> value;         // binary value bytes
    std::u16string text;                // text value, without its terminating NUL
    uint16_t valueLength = 0;           // as stored: in characters for text (NUL included), bytes for binary
    std::vector<VersionNode> children;

    // The child named `key`; throws std::runtime_error when there is none.
    const VersionNode& Child(const std::u16string& key) const;
};

// Parses the node at the start of `data` and everything under it; throws std::runtime_error when cut short.
VersionNode ParseVersionInfo(const std::vector<uint8_t>& data);
