// The fixture of the resource tests: the resources of the Windows build's Tobrin.exe, read from the file
// that the environment variable TOBRIN_EXE names (tools/test.sh sets it). Without the variable the tests
// are skipped; a named file that cannot be read or parsed fails them.
#pragma once

#include "PeResources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Resource types (winuser.h).
enum : uint32_t {
    kRtIcon = 3, kRtDialog = 5, kRtString = 6, kRtGroupIcon = 14, kRtVersion = 16, kRtManifest = 24
};
constexpr uint16_t kJapanese = 0x0411, kUsEnglish = 0x0409;

class TobrinExe : public ::testing::Test {
protected:
    void SetUp() override;

    const std::vector<Resource>& All() const { return *m_resources; }
    // The data of the numbered resource; fails the test (and returns an empty buffer) when it is not
    // there exactly once.
    const std::vector<uint8_t>& Data(uint32_t type, uint32_t id) const;

private:
    const std::vector<Resource>* m_resources = nullptr;
};
