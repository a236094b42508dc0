// show_main_dialog --tobrin=PATH DONE-FILE: starts a copy of the program, waits until its main dialog
// is shown and painted, prints the dialog's rectangle on the screen as WIDTHxHEIGHT+X+Y (ImageMagick's
// geometry), then keeps it open until DONE-FILE exists (at most a minute) and closes it.
// tools/screenshot.sh takes the picture in between.
#include "tests/e2e/Program.h"

#include <cstdio>
#include <cstring>

using namespace e2e;

int main(int argc, char** argv)
{
    std::string done;
    const char option[] = "--tobrin=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], option, sizeof option - 1) == 0)
            SetProgramPath(argv[i] + sizeof option - 1);
        else
            done = WindowsPath(argv[i]);
    }
    if (ProgramPath().empty() || done.empty()) {
        std::fprintf(stderr, "usage: show_main_dialog --tobrin=PATH-OF-Tobrin.exe DONE-FILE\n");
        return 2;
    }

    TempFolder folder;
    AppProcess app = AppProcess::Start(CopyProgram(folder.Path()), "", folder.Path());
    const MainDialog dialog(app.WaitForMainDialog());
    if (!dialog) {
        std::fprintf(stderr, "no main dialog appeared\n");
        return 1;
    }
    // The dialog and its controls paint after it is shown.
    Sleep(500);
    const RECT rect = dialog.Handle().ScreenRect();
    std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    std::fflush(stdout);

    WaitUntil([&] { return FileExists(done); }, 60000);
    dialog.Exit().PostClick();
    return app.WaitForExit() ? 0 : 1;
}
