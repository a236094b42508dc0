// tobrin-sum: the console companion of Tobrin. See TobrinSum.h; this file only meets the console.
#include <cstdio>

#include "cli/TobrinSum.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#define TOBRIN_ISATTY _isatty
#else
#include <unistd.h>
#define TOBRIN_ISATTY isatty
#endif

int main(int argc, char** argv)
{
#if defined(_WIN32)
    // The report already ends its lines with CR LF: no translation on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    RunOutput output;
    std::FILE* terminal = TOBRIN_ISATTY(fileno(stderr)) ? stderr : nullptr;
    int code = RunTobrinSum(argc, argv, &output, terminal);
    if (!output.out.empty()) {
        if (std::fwrite(output.out.data(), 1, output.out.size(), stdout) != output.out.size() ||
            std::fflush(stdout) != 0) {
            if (code == ExitOk) {
                std::fputs("tobrin-sum: cannot write the output\n", stderr);
                code = ExitIoError;
            }
        }
    }
    std::fputs(output.errors.c_str(), stderr);
    return code;
}
