// The main window reopens where it was closed: its restored rectangle goes to the settings file when the
// window is destroyed and comes back when it next opens.
#include "dialog/TobrinDlg.h"

#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/ScreenClamp.h"

void CTobrinDlg::RestorePlacement(const CString& section)
{
    CWinApp* app = AfxGetApp();
    m_rcStored.left = app->GetProfileInt(section, "Left", 0);
    m_rcStored.top = app->GetProfileInt(section, "Top", 0);
    m_rcStored.right = app->GetProfileInt(section, "Right", 639);
    m_rcStored.bottom = app->GetProfileInt(section, "Bottom", 319);

    const int screenLeft = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int screenTop = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int screenWidth = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const StoredRect stored = {m_rcStored.left, m_rcStored.top, m_rcStored.right, m_rcStored.bottom};
    const ScreenPoint corner = ClampToVirtualScreen(stored, screenLeft, screenTop, screenWidth, screenHeight);

    // The window keeps the size of its template; this first shows it, already in place.
    RECT window;
    GetWindowRect(&window);
    SetWindowPos(HWND_TOP, corner.x, corner.y, window.right - window.left, window.bottom - window.top,
                 SWP_SHOWWINDOW);
}

void CTobrinDlg::SavePlacement()
{
    // Without a placement there is nothing true to store: the file keeps what it had.
    if (!GetWindowPlacement(&m_wndPlacement)) return;
    const CString section = AfxLoadString(IDS_SETTINGS_SECTION);

    // The restored rectangle is in workspace coordinates, which leave out a taskbar at the top or the
    // left of the monitor; the restore places the window in screen coordinates. Stored as screen
    // coordinates, the window reopens exactly where it was.
    RECT rect = m_wndPlacement.rcNormalPosition;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (::GetMonitorInfoA(::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) {
        ::OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    }
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(section, "Left", rect.left);
    app->WriteProfileInt(section, "Top", rect.top);
    app->WriteProfileInt(section, "Right", rect.right);
    app->WriteProfileInt(section, "Bottom", rect.bottom);
}
