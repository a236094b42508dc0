// The system's Open dialog as the program shows it (the common item dialog, or the classic one where the
// system lacks it), driven through its controls from another process.
#pragma once

#include "tests/e2e/Driver.h"

#include <string>

namespace e2e {

class OpenDialog {
public:
    OpenDialog() = default;
    explicit OpenDialog(Window window) : m_window(window) {}

    // Clicks the button `browse` (posted) and waits for the dialog that the click opens over `owner`.
    static OpenDialog Open(const AppProcess& app, Window owner, Window browse);

    explicit operator bool() const { return static_cast<bool>(m_window); }
    Window Handle() const { return m_window; }

    // The title bar's text.
    std::string Title() const;
    // The file name box: the first visible edit box among the dialog's descendants.
    Window FileName() const;
    // The text of the item selected in the file-type box, read from its list (CB_GETLBTEXT).
    std::string SelectedFileType() const;

    // Types a name into the file name box (WM_SETTEXT), in the system code page or as UTF-16 text.
    void TypeFileName(const std::string& name) const;
    void TypeFileName(const std::wstring& name) const;
    // Presses 開く (IDOK) or キャンセル (IDCANCEL), posted: a box that the press opens does not block.
    void PostOk() const;
    void PostCancel() const;
    // Waits until the dialog has gone.
    bool WaitClosed(DWORD timeoutMs = kDefaultTimeoutMs) const;

private:
    Window m_window;
};

}  // namespace e2e
