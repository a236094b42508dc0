#include "dialog/TobrinDlg.h"

#include "framework/DataExchange.h"
#include "framework/Gdi.h"
#include "framework/WinApp.h"
#include "res/resource.h"

static_assert(kIconError == MB_ICONERROR && kIconInformation == MB_ICONINFORMATION,
              "the engine's message icons are the platform's");

CTobrinDlg::CTobrinDlg(CWnd* parent) : CDialog(IDD_MAIN, parent)
{
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CTobrinDlg::~CTobrinDlg() = default;

BEGIN_MESSAGE_MAP(CTobrinDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_HELPINFO()
    ON_BN_CLICKED(IDC_BROWSE, &CTobrinDlg::OnBrowse)
    ON_BN_CLICKED(IDC_CALC, &CTobrinDlg::OnCalculate)
    ON_STN_CLICKED(IDC_LAYOUT1_ROM1, &CTobrinDlg::OnLayoutPicture1)
    ON_WM_CTLCOLOR()
    ON_STN_CLICKED_RANGE(IDC_LAYOUT2_ROM1, IDC_LAYOUT2_ROM2, &CTobrinDlg::OnLayoutPicture2)
    ON_STN_CLICKED_RANGE(IDC_LAYOUT3_ROM1, IDC_LAYOUT3_ROM4, &CTobrinDlg::OnLayoutPicture3)
    ON_STN_CLICKED(IDC_LAYOUT4_ROM1, &CTobrinDlg::OnLayoutPicture4)
    ON_STN_CLICKED_RANGE(IDC_LAYOUT5_ROM1, IDC_LAYOUT5_ROM2, &CTobrinDlg::OnLayoutPicture5)
    ON_STN_CLICKED_RANGE(IDC_LAYOUT6_ROM1, IDC_LAYOUT6_ROM4, &CTobrinDlg::OnLayoutPicture6)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

void CTobrinDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
    DDX_Control(pDX, IDC_FILE, m_editFile);
    DDX_Control(pDX, IDC_RESULT, m_editResult);
    DDX_Text(pDX, IDC_FILE, m_strFile);
    DDX_Text(pDX, IDC_START, m_strStart);
    DDV_MaxChars(pDX, m_strStart, 8);
    DDX_Text(pDX, IDC_END, m_strEnd);
    DDV_MaxChars(pDX, m_strEnd, 8);
    DDX_Text(pDX, IDC_RESULT, m_strResult);
}

BOOL CTobrinDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const CString section = AfxLoadString(IDS_SETTINGS_SECTION);
    BuildSystemMenu(section);

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));

    m_szPath[0] = '\0';
    m_szLastPath[0] = '\0';
    m_nStart = 0;
    m_nEnd = 0;

    // The first file named on the command line that exists.
    CStringArray paths;
    if (ParseCommandLine(paths) == 1 && !paths.IsEmpty()) {
        m_strFile = paths[0];
        if (m_strFile.GetLength() > kMaxPathBytes) {
            AfxMessageBox(kMsgPathTooLong, MB_ICONERROR);
        } else {
            RefreshInputFile();
            UpdateData(FALSE);
        }
    }

    GetDlgItem(IDC_LAYOUT1).SendMessage(BM_SETCHECK, BST_CHECKED);
    m_nLayout = Layout8Bit1;

    UpdateData(FALSE);

    RestorePlacement(section);
    return TRUE;
}

bool CTobrinDlg::IsLayoutChecked(int controlId) const
{
    return GetDlgItem(controlId).SendMessage(BM_GETCHECK) != 0;
}

void CTobrinDlg::ShowMessage(const char* text, unsigned icon)
{
    AfxMessageBox(text, MB_OK | icon, 0);
}

void CTobrinDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    // Centred; the division truncates toward zero, so a client area one pixel too small gives 0.
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CTobrinDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

BOOL CTobrinDlg::OnHelpInfo(HELPINFO*)
{
    return TRUE;
}

void CTobrinDlg::ClearLayoutChecks()
{
    static const int kButtons[] = {IDC_LAYOUT1, IDC_LAYOUT2, IDC_LAYOUT3,
                                   IDC_LAYOUT4, IDC_LAYOUT5, IDC_LAYOUT6};
    for (int id : kButtons) GetDlgItem(id).SendMessage(BM_SETCHECK, BST_UNCHECKED);
}

void CTobrinDlg::CheckLayoutButton(int controlId)
{
    ClearLayoutChecks();
    GetDlgItem(controlId).SendMessage(BM_SETCHECK, BST_CHECKED);
}

void CTobrinDlg::OnLayoutPicture1() { CheckLayoutButton(IDC_LAYOUT1); }
void CTobrinDlg::OnLayoutPicture2() { CheckLayoutButton(IDC_LAYOUT2); }
void CTobrinDlg::OnLayoutPicture3() { CheckLayoutButton(IDC_LAYOUT3); }
void CTobrinDlg::OnLayoutPicture4() { CheckLayoutButton(IDC_LAYOUT4); }
void CTobrinDlg::OnLayoutPicture5() { CheckLayoutButton(IDC_LAYOUT5); }
void CTobrinDlg::OnLayoutPicture6() { CheckLayoutButton(IDC_LAYOUT6); }

void CTobrinDlg::OnDestroy()
{
    CDialog::OnDestroy();
    SavePlacement();
}
