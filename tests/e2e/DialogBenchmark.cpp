// dialog_benchmark --tobrin=PATH [RUNS]: the time from the click on 計算 to the "Completed End !" box,
// through the dialog, for an empty file with the range 00000000..FFFFFFFF: 2^32 positions past the end
// of the file, each counted as FF, with the progress bar running from 0 to 100. The same command on an
// 8-byte file is timed beside it.
#include "tests/e2e/Program.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace e2e;

int main(int argc, char** argv)
{
    int runs = 5;
    const char option[] = "--tobrin=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], option, sizeof option - 1) == 0)
            SetProgramPath(argv[i] + sizeof option - 1);
        else
            runs = std::max(1, std::atoi(argv[i]));
    }
    if (ProgramPath().empty() || !FileExists(ProgramPath())) {
        std::fprintf(stderr, "usage: dialog_benchmark --tobrin=PATH-OF-Tobrin.exe [RUNS]\n");
        return 2;
    }

    TempFolder folder;
    const std::string empty = folder.Write("empty.bin", {});
    AppProcess app = AppProcess::Start(CopyProgram(folder.Path()), "", folder.Path());
    const MainDialog dialog(app.WaitForMainDialog());
    if (!dialog) {
        std::fprintf(stderr, "no main dialog appeared\n");
        return 1;
    }

    const std::string eight = folder.Write("eight.bin", {1, 2, 3, 4, 5, 6, 7, 8});
    const struct {
        const char* name;
        std::string path;
        const char* end;
    } cases[] = {
        {"empty file, 00000000..FFFFFFFF", empty, "FFFFFFFF"},
        // The same command on 8 bytes: what the dialog, the message box and the driver take by themselves.
        {"8-byte file, 00000000..00000007", eight, "00000007"},
    };
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (const auto& c : cases) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            dialog.File().SetText(c.path);
            dialog.Start().SetText("00000000");
            dialog.End().SetText(c.end);
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            const MessageBoxReader box = dialog.ClickCalc(app);
            const bool completed = box && box.Text() == "Completed End !";
            QueryPerformanceCounter(&end);
            if (!completed) {
                std::fprintf(stderr, "%s: no \"Completed End !\" (%s)\n", c.name,
                             box ? box.Text().c_str() : "no box");
                return 1;
            }
            box.Close();
            times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart);
        }
        std::sort(times.begin(), times.end());
        std::printf("%s: click on 計算 to \"Completed End !\": best %.1f ms, median %.1f ms, worst %.1f ms (%d runs)\n",
                    c.name, times.front(), times[times.size() / 2], times.back(), runs);
    }
    dialog.Exit().PostClick();
    app.WaitForExit();
    return 0;
}
