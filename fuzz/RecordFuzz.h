// What every accepted record file must give: page runs in address order, none past FFFFFFFF, the last
// written address inside the last run, and the same image when the text is read again.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "cli/SparseImage.h"

inline void CheckRecordImage(std::string_view text, bool (*read)(std::string_view, SparseImage&, RecordError*))
{
    SparseImage image;
    RecordError error;
    if (!read(text, image, &error)) {
        if (error.message.empty()) std::abort();  // every refusal says why
        return;
    }
    const std::vector<ImageRun> runs = image.Runs();
    for (size_t i = 0; i < runs.size(); ++i) {
        if (uint64_t{runs[i].address} + runs[i].size > (uint64_t{1} << 32)) std::abort();
        if (i > 0 && runs[i].address < uint64_t{runs[i - 1].address} + runs[i - 1].size) std::abort();
    }
    if (!runs.empty() && image.LastAddress() < runs.back().address) std::abort();

    // Reading is deterministic, and writing the same records twice is no overlap.
    SparseImage again;
    if (!read(text, again, &error)) std::abort();
    const std::vector<ImageRun> second = again.Runs();
    if (second.size() != runs.size()) std::abort();
    for (size_t i = 0; i < runs.size(); ++i) {
        if (second[i].address != runs[i].address || std::memcmp(second[i].data, runs[i].data, runs[i].size) != 0) {
            std::abort();
        }
    }
}
