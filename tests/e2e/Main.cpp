// The end-to-end tests' entry point: e2e_tests --tobrin=PATH [GoogleTest options]. PATH is the built
// Tobrin.exe, a Unix path (as the build passes it) or a Windows path.
#include "tests/e2e/Program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const char option[] = "--tobrin=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], option, sizeof option - 1) == 0) e2e::SetProgramPath(argv[i] + sizeof option - 1);
    if (e2e::ProgramPath().empty() || !e2e::FileExists(e2e::ProgramPath())) {
        std::fprintf(stderr, "usage: e2e_tests --tobrin=PATH-OF-Tobrin.exe [GoogleTest options]\n");
        return 2;
    }
    return RUN_ALL_TESTS();
}
