// The main dialog's own items of its system menu: the donations page and the About box.
#include "dialog/TobrinDlg.h"

#include <shellapi.h>

#include "framework/WinApp.h"
#include "res/Version.h"
#include "res/resource.h"
#include "shell/AboutDlg.h"

void CTobrinDlg::BuildSystemMenu(const CString& section)
{
    // The value goes straight back, so that the key is in the file from the first run on.
    const int donationsLink = AfxGetApp()->GetProfileInt(section, "DonationsLink", 1);
    AfxGetApp()->WriteProfileInt(section, "DonationsLink", donationsLink);

    HMENU menu = GetSystemMenu(FALSE);
    if (!menu) return;
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    if (donationsLink == 1) {
        const CString donations = AfxLoadString(IDS_DONATIONS);
        if (!donations.IsEmpty()) ::AppendMenuA(menu, MF_STRING, IDM_DONATIONS, donations);
    }
    const CString about = AfxLoadString(IDS_ABOUTBOX);
    if (!about.IsEmpty()) ::AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about);
}

void CTobrinDlg::OnSysCommand(UINT nID, LPARAM)
{
    // The system keeps the low four bits of a command for its own use.
    switch (nID & 0xFFF0) {
    case IDM_ABOUTBOX: {
        CAboutDlg about;
        about.DoModal();
        break;
    }
    case IDM_DONATIONS:
        ::ShellExecuteA(nullptr, "open", TOBRIN_DONATIONS_URL, nullptr, nullptr, SW_SHOWNORMAL);
        break;
    default:
        Default();
        break;
    }
}
