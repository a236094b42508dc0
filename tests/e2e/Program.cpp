#include "tests/e2e/Program.h"

#include "res/resource.h"

namespace e2e {

namespace {
std::string g_programPath;
}

void SetProgramPath(const std::string& path) { g_programPath = WindowsPath(path); }

const std::string& ProgramPath() { return g_programPath; }

std::string CopyProgram(const std::string& folder, const std::string& name)
{
    const std::string copy = folder + "\\" + name;
    CopyFileA(g_programPath.c_str(), copy.c_str(), FALSE);
    return copy;
}

Window MainDialog::File() const { return m_window.Item(IDC_FILE); }
Window MainDialog::Browse() const { return m_window.Item(IDC_BROWSE); }
Window MainDialog::Start() const { return m_window.Item(IDC_START); }
Window MainDialog::End() const { return m_window.Item(IDC_END); }
Window MainDialog::Layout(int n) const { return m_window.Item(IDC_LAYOUT1 + n - 1); }
Window MainDialog::Calc() const { return m_window.Item(IDC_CALC); }
Window MainDialog::Exit() const { return m_window.Item(IDOK); }
Window MainDialog::Result() const { return m_window.Item(IDC_RESULT); }
Window MainDialog::Progress() const { return m_window.Item(IDC_PROGRESS); }

std::vector<int> MainDialog::CheckedLayouts() const
{
    std::vector<int> checked;
    for (int n = 1; n <= 6; ++n)
        if (Layout(n).IsChecked()) checked.push_back(n);
    return checked;
}

MessageBoxReader MainDialog::Calculate(const AppProcess& app, const std::string& file, const std::string& start,
                                       const std::string& end, int layout) const
{
    File().SetText(file);
    Start().SetText(start);
    End().SetText(end);
    // Posted messages are handled in order: the radio button is selected before 計算 is pressed.
    Layout(layout).PostClick();
    return ClickCalc(app);
}

MessageBoxReader MainDialog::ClickCalc(const AppProcess& app) const
{
    Calc().PostClick();
    return app.WaitForMessageBox(m_window);
}

}  // namespace e2e
