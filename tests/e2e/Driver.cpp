#include "tests/e2e/Driver.h"

#include <utility>

namespace e2e {

const char kMainDialogTitle[] = "チェックサム計算";

namespace {

// Messages to another process's window go with a timeout, so that a hung program fails one test (the
// answer then reads as 0). Not SMTO_ABORTIFHUNG: a window whose thread has just come back from a long
// calculation still counts as hung for a moment, and the message would be dropped.
LRESULT SendWithTimeout(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, message, wParam, lParam, SMTO_NORMAL, kDefaultTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

// 32-bit pixels of a bitmap of cx x cy, top row first.
struct Pixels {
    int cx = 0, cy = 0;
    std::vector<uint32_t> bits;
};

// Copies `cx` x `cy` pixels from `source` at (x, y) through a 32-bit top-down DIB section.
Pixels Capture(HDC source, int x, int y, int cx, int cy)
{
    Pixels pixels;
    pixels.cx = cx;
    pixels.cy = cy;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, cx, cy, source, x, y, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const uint32_t*>(bits);
        pixels.bits.assign(first, first + static_cast<size_t>(cx) * cy);
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    return pixels;
}

// The system icon `id` as DrawIcon paints it on the dialog colour.
Pixels DrawSystemIcon(LPCSTR id, int cx, int cy)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, cx, cy);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, cx, cy};
    FillRect(memory, &all, GetSysColorBrush(COLOR_3DFACE));
    DrawIcon(memory, 0, 0, LoadIconA(nullptr, id));
    Pixels pixels = Capture(memory, 0, 0, cx, cy);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

size_t Differences(const Pixels& a, const Pixels& b)
{
    if (a.bits.size() != b.bits.size() || a.bits.empty()) return SIZE_MAX;
    size_t count = 0;
    for (size_t i = 0; i < a.bits.size(); ++i)
        if ((a.bits[i] & 0xFFFFFF) != (b.bits[i] & 0xFFFFFF)) ++count;
    return count;
}

}  // namespace

std::string WindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = bytes.empty() ||
        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

TempFolder::TempFolder()
{
    static int counter = 0;
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (;;) {
        m_path = std::string(base) + "tobrin-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++counter);
        if (CreateDirectoryA(m_path.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() { RemoveTree(m_path); }

std::string TempFolder::MakeFolder(const std::string& name) const
{
    const std::string path = *this / name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string TempFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    const std::string path = *this / name;
    WriteFile(path, bytes);
    return path;
}

Window Window::Item(int id) const { return Window(GetDlgItem(m_hwnd, id)); }

std::vector<Window> Window::Children() const
{
    std::vector<Window> children;
    for (HWND child = GetWindow(m_hwnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.emplace_back(child);
    return children;
}

std::string Window::Text() const
{
    const auto length = static_cast<size_t>(SendWithTimeout(m_hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<size_t>(
        SendWithTimeout(m_hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0])));
    text.resize(copied < length ? copied : length);
    return text;
}

void Window::SetText(const std::string& text) const
{
    SendWithTimeout(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Window::ClassName() const
{
    char name[256] = "";
    GetClassNameA(m_hwnd, name, sizeof name);
    return name;
}

RECT Window::ScreenRect() const
{
    RECT rect{};
    GetWindowRect(m_hwnd, &rect);
    return rect;
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendWithTimeout(m_hwnd, message, wParam, lParam);
}

bool Window::IsChecked() const { return SendWithTimeout(m_hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Window::PostClick() const { PostMessageA(m_hwnd, BM_CLICK, 0, 0); }

void Window::PostCommand(int id, int code) const
{
    PostMessageA(m_hwnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(m_hwnd, id)));
}

void Window::TypeChars(const std::string& chars) const
{
    // Posted messages are handled in the order they were posted. The last one clears the edit box's
    // modified flag, which typing sets: once the flag reads clear, every character has been handled.
    SendWithTimeout(m_hwnd, EM_SETMODIFY, TRUE, 0);
    for (char c : chars)
        PostMessageA(m_hwnd, WM_CHAR, static_cast<BYTE>(c), 1);
    PostMessageA(m_hwnd, EM_SETMODIFY, FALSE, 0);
    WaitUntil([&] { return SendWithTimeout(m_hwnd, EM_GETMODIFY, 0, 0) == 0; });
}

void PressKey(WORD virtualKey)
{
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

const char* IconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return "none";
    case MessageIcon::Error: return "error";
    case MessageIcon::Information: return "information";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Question: return "question";
    case MessageIcon::Unknown: break;
    }
    return "unknown";
}

std::string MessageBoxReader::Caption() const
{
    // GetWindowText of another process's window reads the stored title without sending a message.
    char caption[512] = "";
    GetWindowTextA(m_box.Handle(), caption, sizeof caption);
    return caption;
}

std::string MessageBoxReader::Text() const { return m_box.Item(0xFFFF).Text(); }

MessageIcon MessageBoxReader::Icon(DWORD timeoutMs) const
{
    // The icon static has no fixed ID (Wine gives it 1088); it is the one with SS_ICON. The icon's
    // handle cannot be read from another process, its pixels on the screen can.
    Window iconStatic;
    for (Window child : m_box.Children())
        if (child.ClassName() == "Static" && (child.Style() & SS_TYPEMASK) == SS_ICON && child.IsVisible())
            iconStatic = child;
    if (!iconStatic) return MessageIcon::None;

    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    const struct {
        MessageIcon icon;
        LPCSTR id;
    } candidates[] = {
        {MessageIcon::Error, IDI_ERROR},
        {MessageIcon::Information, IDI_INFORMATION},
        {MessageIcon::Warning, IDI_WARNING},
        {MessageIcon::Question, IDI_QUESTION},
    };
    std::vector<Pixels> references;
    for (const auto& candidate : candidates)
        references.push_back(DrawSystemIcon(candidate.id, cx, cy));

    MessageIcon seen = MessageIcon::Unknown;
    WaitUntil([&] {
        const RECT rect = iconStatic.ScreenRect();
        HDC screen = GetDC(nullptr);
        const Pixels shown = Capture(screen, rect.left, rect.top, cx, cy);
        ReleaseDC(nullptr, screen);
        for (size_t i = 0; i < references.size(); ++i)
            if (Differences(shown, references[i]) == 0) seen = candidates[i].icon;
        return seen != MessageIcon::Unknown;
    }, timeoutMs);
    return seen;
}

bool MessageBoxReader::Close(DWORD timeoutMs) const
{
    m_box.Item(IDOK).PostClick();
    return WaitUntil([&] { return !m_box; }, timeoutMs);
}

AppProcess::~AppProcess() { Release(); }

AppProcess::AppProcess(AppProcess&& other) noexcept : m_info(other.m_info) { other.m_info = {}; }

AppProcess& AppProcess::operator=(AppProcess&& other) noexcept
{
    if (this != &other) {
        Release();
        m_info = std::exchange(other.m_info, {});
    }
    return *this;
}

void AppProcess::Release()
{
    if (m_info.hProcess == nullptr) return;
    if (!HasExited()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, kDefaultTimeoutMs);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
    m_info = {};
}

AppProcess AppProcess::Start(const std::string& exe, const std::string& commandLine,
                             const std::string& workingDirectory)
{
    std::string line = commandLine.empty() ? "\"" + exe + "\"" : commandLine;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    AppProcess process;
    if (!CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                        &process.m_info))
        process.m_info = {};
    return process;
}

Window AppProcess::WaitForDialog(const std::string& title, DWORD timeoutMs) const
{
    // WaitForInputIdle returns before the dialog exists; the window list is the reliable sign.
    Window found;
    WaitUntil([&] {
        for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, "#32770", title.c_str())) != nullptr;) {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == Pid() && IsWindowVisible(h)) {
                found = Window(h);
                return true;
            }
        }
        return HasExited();
    }, timeoutMs);
    return found;
}

Window AppProcess::WaitForOwnedDialog(Window owner, DWORD timeoutMs) const
{
    Window found;
    WaitUntil([&] {
        for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, "#32770", nullptr)) != nullptr;) {
            DWORD pid = 0;
            GetWindowThreadProcessId(h, &pid);
            if (pid == Pid() && IsWindowVisible(h) && GetWindow(h, GW_OWNER) == owner.Handle()) {
                found = Window(h);
                return true;
            }
        }
        return HasExited();
    }, timeoutMs);
    return found;
}

namespace {
struct WindowSearch {
    DWORD pid;
    std::vector<Window> windows;
};

BOOL CALLBACK CollectVisibleWindowOfProcess(HWND h, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == search->pid && IsWindowVisible(h)) search->windows.emplace_back(h);
    return TRUE;
}
}  // namespace

std::vector<Window> AppProcess::TopLevelWindows() const
{
    WindowSearch search{Pid(), {}};
    EnumWindows(CollectVisibleWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

Window AppProcess::FocusOnThreadOf(Window window) const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(window.ThreadId(), &info)) return Window();
    return Window(info.hwndFocus);
}

bool AppProcess::HasExited() const
{
    return m_info.hProcess == nullptr || WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0;
}

bool AppProcess::WaitForExit(DWORD timeoutMs)
{
    if (m_info.hProcess == nullptr) return true;
    if (WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0) return true;
    TerminateProcess(m_info.hProcess, 1);
    WaitForSingleObject(m_info.hProcess, kDefaultTimeoutMs);
    return false;
}

}  // namespace e2e
