#include "tests/e2e/OpenDialog.h"

#include <dlgs.h>

#include <vector>

namespace e2e {

namespace {

BOOL CALLBACK CollectDescendant(HWND h, LPARAM param)
{
    reinterpret_cast<std::vector<Window>*>(param)->emplace_back(h);
    return TRUE;
}

// Every window below `parent`, parents before their children.
std::vector<Window> Descendants(Window parent)
{
    std::vector<Window> all;
    EnumChildWindows(parent.Handle(), CollectDescendant, reinterpret_cast<LPARAM>(&all));
    return all;
}

}  // namespace

OpenDialog OpenDialog::Open(const AppProcess& app, Window owner, Window browse)
{
    browse.PostClick();
    OpenDialog dialog(app.WaitForOwnedDialog(owner));
    return dialog;
}

std::string OpenDialog::Title() const
{
    char title[512] = "";
    GetWindowTextA(m_window.Handle(), title, sizeof title);
    return title;
}

Window OpenDialog::FileName() const
{
    for (Window w : Descendants(m_window))
        if (w.ClassName() == "Edit" && w.IsVisible()) return w;
    return Window();
}

std::string OpenDialog::SelectedFileType() const
{
    // Both dialogs give their file-type box the classic dialog's ID. The list is read as UTF-16 text
    // (the box is a Unicode window; Wine passes CB_GETLBTEXT across processes without converting it to
    // the code page) and converted here.
    const HWND types = m_window.Item(cmb1).Handle();
    const auto send = [types](UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR result = static_cast<DWORD_PTR>(CB_ERR);
        SendMessageTimeoutW(types, message, wParam, lParam, SMTO_NORMAL, kDefaultTimeoutMs, &result);
        return static_cast<LRESULT>(result);
    };
    const LRESULT selected = send(CB_GETCURSEL, 0, 0);
    if (selected < 0) return "";
    const LRESULT length = send(CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0) return "";
    std::vector<wchar_t> wide(static_cast<size_t>(length) + 1, L'\0');
    send(CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(wide.data()));
    wide.back() = L'\0';
    char text[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text, sizeof text, nullptr, nullptr);
    return text;
}

void OpenDialog::TypeFileName(const std::string& name) const { FileName().SetText(name); }

void OpenDialog::TypeFileName(const std::wstring& name) const
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(FileName().Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_NORMAL,
                        kDefaultTimeoutMs, &result);
}

void OpenDialog::PostOk() const { m_window.Item(IDOK).PostClick(); }

void OpenDialog::PostCancel() const { m_window.Item(IDCANCEL).PostClick(); }

bool OpenDialog::WaitClosed(DWORD timeoutMs) const
{
    return WaitUntil([&] { return !m_window; }, timeoutMs);
}

}  // namespace e2e
