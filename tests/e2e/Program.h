// The program under test: where its built executable is, private copies of it, and its main dialog.
#pragma once

#include "tests/e2e/Driver.h"

#include <string>

namespace e2e {

// The built Tobrin.exe, as the test program's command line named it (--tobrin=PATH).
void SetProgramPath(const std::string& path);
const std::string& ProgramPath();

// Copies the program into `folder` under `name` and returns the copy's path. Each test runs its own
// copy, so that the settings file beside it belongs to that test alone.
std::string CopyProgram(const std::string& folder, const std::string& name = "Tobrin.exe");

// The main dialog's controls by their role.
class MainDialog {
public:
    MainDialog() = default;
    explicit MainDialog(Window window) : m_window(window) {}

    explicit operator bool() const { return static_cast<bool>(m_window); }
    Window Handle() const { return m_window; }

    Window File() const;
    Window Browse() const;
    Window Start() const;
    Window End() const;
    // Radio button 1 to 6, in the order of the layouts.
    Window Layout(int n) const;
    Window Calc() const;
    Window Exit() const;
    Window Result() const;
    Window Progress() const;

    // The number (1 to 6) of every checked layout radio button, in order.
    std::vector<int> CheckedLayouts() const;

    // Types the path and the range into their boxes (WM_SETTEXT), clicks the layout's radio button and
    // then 計算, and returns the message box that the command opens.
    MessageBoxReader Calculate(const AppProcess& app, const std::string& file, const std::string& start,
                               const std::string& end, int layout = 1) const;
    // Clicks 計算 and returns the message box that the command opens.
    MessageBoxReader ClickCalc(const AppProcess& app) const;

private:
    Window m_window;
};

}  // namespace e2e
