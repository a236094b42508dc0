#include "shell/AboutDlg.h"

#include <shellapi.h>

#include "res/Version.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() = default;

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_WM_CTLCOLOR()
    ON_STN_CLICKED(IDC_LINK, &CAboutDlg::OnLinkClicked)
END_MESSAGE_MAP()

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_VERSION, m_strVersion);
    DDX_Control(pDX, IDC_LINK, m_link);
    DDX_Text(pDX, IDC_LINK, m_strLink);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // The template's link is a plain static; it reports clicks from now on.
    GetDlgItem(IDC_LINK).ModifyStyle(0, SS_NOTIFY, 0);
    m_fontLink.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック");
    m_link.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontLink)), TRUE);

    m_strVersion = TOBRIN_ABOUT_VERSION;
    m_strLink = TOBRIN_HOME_URL;
    UpdateData(FALSE);
    return TRUE;
}

HBRUSH CAboutDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd->GetDlgCtrlID() == IDC_LINK) pDC->SetTextColor(RGB(0, 0, 255));
    return brush;
}

void CAboutDlg::OnLinkClicked()
{
    ::ShellExecuteA(nullptr, "open", TOBRIN_HOME_URL, nullptr, nullptr, SW_SHOWNORMAL);
}
