// tobrin-sum as a function: the whole run on one command line, with what it prints handed back, so that
// tests run it without a process.
#pragma once

#include <cstdio>
#include <string>

#include "cli/Arguments.h"
#include "cli/ExitCodes.h"

struct RunOutput {
    std::string out;     // for stdout: the report, the JSON object, the help or the version
    std::string errors;  // for stderr: at most one line, "tobrin-sum: ..." and a line end
};

// Runs tobrin-sum with argv[1..argc-1]. `progressTerminal` receives the progress bar of long passes;
// nullptr for none. Returns an ExitCode.
int RunTobrinSum(int argc, const char* const* argv, RunOutput* output, std::FILE* progressTerminal);

// Reads the beginning of `file` and tells a text of Intel HEX or S-records from anything else (Binary).
// Leaves the file at its first byte.

InputFormat DetectFormat(std::FILE* file);
