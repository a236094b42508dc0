// show_main_dialog --tobrin=PATH [--about-box] DONE-FILE: starts a copy of the program, waits until its
// main dialog (with --about-box: its About box, opened from the system menu) is shown and painted, prints
// that window's rectangle on the screen as WIDTHxHEIGHT+X+Y (ImageMagick's geometry), then keeps it open
// until DONE-FILE exists (at most a minute) and closes it. tools/screenshot.sh takes the picture in
// between.
#include "tests/e2e/Program.h"

#include "res/resource.h"

#include <cstdio>
#include <cstring>

using namespace e2e;

int main(int argc, char** argv)
{
    std::string done;
    bool aboutBox = false;
    const char option[] = "--tobrin=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], option, sizeof option - 1) == 0)
            SetProgramPath(argv[i] + sizeof option - 1);
        else if (std::strcmp(argv[i], "--about-box") == 0)
            aboutBox = true;
        else
            done = WindowsPath(argv[i]);
    }
    if (ProgramPath().empty() || done.empty()) {
        std::fprintf(stderr, "usage: show_main_dialog --tobrin=PATH-OF-Tobrin.exe [--about-box] DONE-FILE\n");
        return 2;
    }

    TempFolder folder;
    AppProcess app = AppProcess::Start(CopyProgram(folder.Path()), "", folder.Path());
    const MainDialog dialog(app.WaitForMainDialog());
    if (!dialog) {
        std::fprintf(stderr, "no main dialog appeared\n");
        return 1;
    }
    Window shown = dialog.Handle();
    if (aboutBox) {
        PostMessageA(dialog.Handle().Handle(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        shown = app.WaitForOwnedDialog(dialog.Handle());
        if (!shown) {
            std::fprintf(stderr, "no About box appeared\n");
            return 1;
        }
    }
    // The window and its controls paint after it is shown.
    Sleep(500);
    const RECT rect = shown.ScreenRect();
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    std::fflush(stdout);

    WaitUntil([&] { return FileExists(done); }, 60000);
    if (aboutBox) {
        shown.Item(IDOK).PostClick();
        WaitUntil([&] { return !shown; });
    }
    dialog.Exit().PostClick();
    return app.WaitForExit() ? 0 : 1;
}
