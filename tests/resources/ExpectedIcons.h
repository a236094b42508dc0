// The icon groups the program holds, in group order: their images are numbered 1 to 14 in this order.
#pragma once

#include "res/resource.h"

#include <cstdint>
#include <vector>

struct ExpectedImage {
    int side;
    int bits;
};

struct ExpectedGroup {
    uint32_t id;
    std::vector<ExpectedImage> images;
};

inline const std::vector<ExpectedGroup>& ExpectedIconGroups()
{
    static const std::vector<ExpectedGroup> groups = {
        {IDR_MAINFRAME, {{16, 4}, {32, 4}, {32, 8}, {48, 8}, {128, 8}, {256, 8}}},
        {IDI_ROM1_8BIT, {{32, 4}}},
        {IDI_ROM2_8BIT, {{32, 4}}},
        {IDI_ROM3_8BIT, {{32, 4}}},
        {IDI_ROM4_8BIT, {{32, 4}}},
        {IDI_ROM2_16BIT, {{32, 4}}},
        {IDI_ROM1_16BIT, {{32, 4}}},
        {IDI_ROM3_16BIT, {{32, 4}}},
        {IDI_ROM4_16BIT, {{32, 4}}},
    };
    return groups;
}
