#include "framework/WinApp.h"

#include <windows.h>

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

CWinApp* g_app = nullptr;

char* DuplicateText(const std::string& text)
{
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

// The file name of `path` without its extension, stepping over double-byte characters so that a trail
// byte 0x5C is no separator.
std::string FileTitle(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p; p = ::CharNextA(p)) {
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    }
    const char* dot = nullptr;
    for (const char* p = name; *p; p = ::CharNextA(p)) {
        if (*p == '.') dot = p;
    }
    return dot ? std::string(name, dot) : std::string(name);
}

// The command line without the program name and the blanks after it. Program names hold no quote.
char* ArgumentsOf(char* commandLine)
{
    char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// Reads a whole signed 32-bit decimal number, blanks around it allowed.
bool ParseDecimal(const char* text, int* value)
{
    errno = 0;
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || number < INT_MIN || number > INT_MAX) return false;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return false;
    *value = static_cast<int>(number);
    return true;
}

} // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp()
{
    std::free(const_cast<char*>(m_pszProfileName));
    std::free(const_cast<char*>(m_pszAppName));
    if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CString AfxLoadString(UINT id)
{
    char text[256] = "";
    ::LoadStringA(::GetModuleHandleA(nullptr), id, text, sizeof text);
    return text;
}

void CWinApp::InitFramework(HINSTANCE instance)
{
    m_hInstance = instance;
    m_lpCmdLine = ArgumentsOf(::GetCommandLineA());

    char module[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    m_pszAppName = DuplicateText(FileTitle(module));
    m_pszProfileName = DuplicateText(std::string(m_pszAppName ? m_pszAppName : "") + ".INI");

    // The progress bar's window class, from common controls version 6 (the manifest asks for it).
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const
{
    if (!m_pszProfileName) return defaultValue;
    // Read as text: the platform's integer reading gives no sign of a value that is not a number.
    char text[64];
    ::GetPrivateProfileStringA(section, entry, "", text, sizeof text, m_pszProfileName);
    int value = 0;
    return ParseDecimal(text, &value) ? value : defaultValue;
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const
{
    if (!m_pszProfileName) return FALSE;
    const std::string text = std::to_string(value);
    return ::WritePrivateProfileStringA(section, entry, text.c_str(), m_pszProfileName);
}

int AfxMessageBox(const char* text, UINT type, UINT)
{
    CWinApp* app = AfxGetApp();
    HWND owner = nullptr;
    if (app && app->m_pMainWnd && ::IsWindow(app->m_pMainWnd->m_hWnd)) {
        owner = ::GetLastActivePopup(::GetAncestor(app->m_pMainWnd->m_hWnd, GA_ROOT));
    }
    if ((type & MB_ICONMASK) == 0 && (type & MB_TYPEMASK) == MB_OK) type |= MB_ICONEXCLAMATION;
    return ::MessageBoxA(owner, text, app && app->m_pszAppName ? app->m_pszAppName : "", type);
}

// The program's entry point. Nothing the program throws goes past it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    try {
        app->InitFramework(instance);
        app->InitInstance();  // the program's whole run; the result only says whether a loop follows
        return app->ExitInstance();
    } catch (...) {
        return 1;
    }
}
