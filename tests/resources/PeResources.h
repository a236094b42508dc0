// The resource table of a PE image (.exe), read from the file's bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A resource type or name: a number, or a string when `name` is not empty.
struct ResourceId {
    uint32_t id = 0;
    std::u16string name;
};

struct Resource {
    ResourceId type;
    ResourceId name;
    uint16_t language = 0;
    std::vector<uint8_t> data;
};

// Returns every resource of the PE image `file` in directory order (type, then name, then language).
// Throws std::runtime_error when the image is not a PE file or its resource directory is damaged.
std::vector<Resource> ReadResources(const std::vector<uint8_t>& file);
