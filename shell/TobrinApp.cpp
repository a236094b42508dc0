#include "shell/TobrinApp.h"

#include <cstdlib>
#include <cstring>

#include "dialog/TobrinDlg.h"
#include "shell/SettingsPath.h"

CTobrinApp theApp;

namespace {
bool IsSystemLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; }
} // namespace

BOOL CTobrinApp::InitInstance()
{
    char* profile = static_cast<char*>(std::malloc(MAX_PATH));
    if (!profile) {
        AfxMessageBox("メモリ不足エラーです。", MB_OK);
        return FALSE;
    }
    std::free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = nullptr;

    // An executable path that fills the buffer may have been cut short: no settings file then, as for
    // a settings path that would not fit.
    char executable[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, executable, MAX_PATH);
    const std::string path =
        length > 0 && length < MAX_PATH ? SettingsFilePath(executable, IsSystemLeadByte) : std::string();
    if (path.empty()) {
        std::free(profile);  // reads give their defaults, writes are skipped
    } else {
        std::memcpy(profile, path.c_str(), path.size() + 1);
        m_pszProfileName = profile;
    }

    CTobrinDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CTobrinApp::ExitInstance()
{
    std::free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = nullptr;
    return CWinApp::ExitInstance();
}
