// CTobrinApp: fixes the settings file beside the executable and runs the main dialog.
#pragma once

#include "framework/WinApp.h"

class CTobrinApp : public CWinApp {
public:
    // Runs the main dialog; returns FALSE, so that the program ends when the dialog closes.
    BOOL InitInstance() override;
    // Releases the settings path; returns the exit code.
    int ExitInstance() override;
};

extern CTobrinApp theApp;
