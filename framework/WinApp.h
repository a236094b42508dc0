// CWinApp: the one application object. The framework's WinMain fills in its names and command line,
// then calls InitInstance, and ExitInstance after it; there is no application message loop of its
// own (the program's modal dialogs run theirs).
#pragma once

#include <windows.h>

#include "framework/Wnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // Returns the process exit code.
    virtual int ExitInstance();

    // A signed decimal value of the settings file, or `defaultValue` when the file, the section or the
    // key is missing, or the value is not a decimal integer. Without a settings file name, the default.
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    // Writes `value` as "%d". Without a settings file name nothing is written and the result is FALSE.
    BOOL WriteProfileInt(const char* section, const char* entry, int value) const;

    HINSTANCE m_hInstance = nullptr;
    // The command line after the program name and the blanks that follow it.
    LPSTR m_lpCmdLine = nullptr;
    // The executable's file name without its extension: the caption of every message box.
    const char* m_pszAppName = nullptr;
    // The settings file, allocated with malloc: the framework's default is "<app name>.INI"; the
    // application may free it and put its own in its place, or null.
    const char* m_pszProfileName = nullptr;
    CWnd* m_pMainWnd = nullptr;

    // Called by WinMain before InitInstance.
    void InitFramework(HINSTANCE instance);
};

CWinApp* AfxGetApp();

// The program's string resource `id`; empty when there is none.
CString AfxLoadString(UINT id);

// A modal message box with the application's name as caption, owned by the main window's last active
// popup. An OK box that names no icon gets the exclamation icon. Returns the button pressed.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
