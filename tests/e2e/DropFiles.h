// Files dropped onto a window of the program as the shell drops them: a DROPFILES block with the paths,
// and WM_DROPFILES posted to the window with the block as its HDROP.
#pragma once

#include "tests/e2e/Driver.h"

#include <string>
#include <vector>

namespace e2e {

// Drops `paths` (one or more; text in the system code page) onto the edit box `target` and
// returns once the program's message loop has taken the drop; a message box that the drop opened may
// then be up. False when the block cannot be placed in the program or the drop is not taken in time.
// The shell drops no empty list, and DragQueryFile would count one as a single empty path.
bool DropFiles(const AppProcess& app, Window target, const std::vector<std::string>& paths);

}  // namespace e2e
