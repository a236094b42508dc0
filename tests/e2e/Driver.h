// Drives the real Tobrin.exe from another process, as a user would: starts it, finds its windows,
// types, clicks and presses keys, and reads back texts, check states and message boxes.
//
// Every text is 8-bit text in the system code page (932 on the machines the program is written for),
// exactly as the ANSI window functions pass it. Every wait has a timeout; a test that times out fails
// with a message and never hangs the run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// The main dialog's title, "チェックサム計算", in code page 932.
extern const char kMainDialogTitle[];

// A path that Wine understands: a Unix path (/a/b) becomes Z:\a\b, a Windows path stays as it is.
std::string WindowsPath(const std::string& path);

bool FileExists(const std::string& path);

// Writes `bytes` to `path`, replacing the file; false when it cannot be written.
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

// A folder of its own under the system's temporary folder, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing backslash.
    const std::string& Path() const { return m_path; }
    // `name` inside the folder (name may hold backslashes for subfolders).
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }
    // Creates the subfolder `name` and returns its path.
    std::string MakeFolder(const std::string& name) const;
    // Writes the file `name` and returns its path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

private:
    std::string m_path;
};

// A window of another process, reached only through messages and the window manager.
class Window {
public:
    Window() = default;
    explicit Window(HWND hwnd) : m_hwnd(hwnd) {}

    HWND Handle() const { return m_hwnd; }
    explicit operator bool() const { return m_hwnd != nullptr && IsWindow(m_hwnd); }

    // The control with this ID (GetDlgItem); an empty Window when there is none.
    Window Item(int id) const;
    // The child windows in Z order, which for a dialog is the template's order (GW_CHILD, GW_HWNDNEXT).
    std::vector<Window> Children() const;

    // WM_GETTEXT / WM_SETTEXT, sent with a timeout. WM_SETTEXT bypasses an edit box's EM_LIMITTEXT.
    std::string Text() const;
    void SetText(const std::string& text) const;
    std::string ClassName() const;
    int Id() const { return GetDlgCtrlID(m_hwnd); }
    DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_STYLE)); }
    DWORD ExStyle() const { return static_cast<DWORD>(GetWindowLongA(m_hwnd, GWL_EXSTYLE)); }
    bool IsVisible() const { return IsWindowVisible(m_hwnd) != FALSE; }
    DWORD ThreadId() const { return GetWindowThreadProcessId(m_hwnd, nullptr); }
    RECT ScreenRect() const;

    // A message sent with a timeout; for messages whose parameters are plain numbers.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // BM_GETCHECK == BST_CHECKED.
    bool IsChecked() const;

    // A click posted to the button (BM_CLICK); returns at once, also when the click opens a modal box.
    void PostClick() const;
    // WM_COMMAND posted to this window (a dialog) as if control `id` had sent notification `code`.
    void PostCommand(int id, int code) const;
    // Types single-byte `chars` into this edit box, one posted WM_CHAR each, as the keyboard would
    // through the dialog's message loop, and waits until the box has handled them all. The text then
    // holds what the box accepted. Leaves the box's modified flag clear (EM_GETMODIFY).
    void TypeChars(const std::string& chars) const;

private:
    HWND m_hwnd = nullptr;
};

// Real key presses through SendInput: they reach the foreground window's focused control through the
// keyboard queue, so that the dialog's own key handling (Enter, Esc, F1) runs as for a user.
void PressKey(WORD virtualKey);

// A message box of the program, read while it is open.
enum class MessageIcon { None, Error, Information, Warning, Question, Unknown };
const char* IconName(MessageIcon icon);

struct MessageBoxContents {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::Unknown;
};

class MessageBoxReader {
public:
    MessageBoxReader() = default;
    explicit MessageBoxReader(Window box) : m_box(box) {}

    explicit operator bool() const { return static_cast<bool>(m_box); }
    Window Box() const { return m_box; }

    std::string Caption() const;
    // The text of the static with ID 0xFFFF.
    std::string Text() const;
    // Compares the icon's pixels on the screen with the system's icons drawn on the dialog colour;
    // waits until the box has painted one of them.
    MessageIcon Icon(DWORD timeoutMs = 3000) const;
    MessageBoxContents Read() const { return {Caption(), Text(), Icon()}; }
    // Presses OK (IDOK) and waits until the box is gone.
    bool Close(DWORD timeoutMs = kDefaultTimeoutMs) const;

private:
    Window m_box;
};

// The program, started with an exact command line in a working directory; killed when the object goes
// unless it has already ended.
class AppProcess {
public:
    AppProcess() = default;
    ~AppProcess();
    AppProcess(AppProcess&& other) noexcept;
    AppProcess& operator=(AppProcess&& other) noexcept;
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // CreateProcessA(exe, commandLine, ..., workingDirectory); the program's GetCommandLineA gets
    // `commandLine` byte for byte. An empty `commandLine` stands for the quoted exe path alone.
    // An empty AppProcess when the start fails.
    static AppProcess Start(const std::string& exe, const std::string& commandLine = "",
                            const std::string& workingDirectory = "");

    explicit operator bool() const { return m_info.hProcess != nullptr; }
    DWORD Pid() const { return m_info.dwProcessId; }

    // The first visible top-level "#32770" of this process with the given title; empty on timeout.
    Window WaitForDialog(const std::string& title, DWORD timeoutMs = kDefaultTimeoutMs) const;
    Window WaitForMainDialog(DWORD timeoutMs = kDefaultTimeoutMs) const { return WaitForDialog(kMainDialogTitle, timeoutMs); }
    // A visible dialog window of this process owned by `owner` (a message box, a modal dialog).
    Window WaitForOwnedDialog(Window owner, DWORD timeoutMs = kDefaultTimeoutMs) const;
    MessageBoxReader WaitForMessageBox(Window owner, DWORD timeoutMs = kDefaultTimeoutMs) const
    {
        return MessageBoxReader(WaitForOwnedDialog(owner, timeoutMs));
    }
    // The visible top-level windows of this process.
    std::vector<Window> TopLevelWindows() const;

    // The control that has the keyboard focus on the thread of `window` (GetGUIThreadInfo).
    Window FocusOnThreadOf(Window window) const;

    // Waits for the process to end; kills it on timeout and returns false then.
    bool WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs);
    bool HasExited() const;

private:
    void Release();
    PROCESS_INFORMATION m_info{};
};

// Sleeps in small steps until `done()` returns true or `timeoutMs` has passed; returns the last result.
template <typename Done>
bool WaitUntil(Done done, DWORD timeoutMs = kDefaultTimeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= timeoutMs) return done();
        Sleep(5);
    }
}

}  // namespace e2e
