// CTobrinDlg: the main dialog. It takes the input file, the layout and the address range, and shows the
// report and the progress of a calculation. Its calculation operations (RefreshInputFile, ParseRange,
// OnCalculate) come from the engine's CalculationCommand.
#pragma once

#include <cstdint>

#include "engine/CalculationCommand.h"
#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "dialog/ProgressBarSink.h"

class CTobrinDlg : public CDialog, public CalculationCommand<CTobrinDlg> {
public:
    explicit CTobrinDlg(CWnd* parent = nullptr);
    ~CTobrinDlg() override;

    DECLARE_MESSAGE_MAP()

    // What the calculation operations use of the dialog.
    bool IsLayoutChecked(int controlId) const;
    ProgressSink& CalculationProgress() { return m_progressSink; }
    void ShowMessage(const char* text, unsigned icon);

    CProgressCtrl m_progress;
    CEdit m_editFile;
    CEdit m_editResult;
    CString m_strFile;
    CString m_strStart;
    CString m_strEnd;
    CString m_strResult;
    HICON m_hIcon;
    char m_szPath[261];
    char m_szLastPath[261];
    uint32_t m_nStart;
    uint32_t m_nEnd;
    uint16_t m_nLayout;
    RECT m_rcStored;
    WINDOWPLACEMENT m_wndPlacement;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;

    // WM_SYSCOMMAND: the program's own system-menu items; the rest to the default processing.
    void OnSysCommand(UINT nID, LPARAM lParam);
    // WM_PAINT: draws the icon while minimised.
    void OnPaint();
    // WM_QUERYDRAGICON: the cursor shown while the minimised window is dragged.
    HCURSOR OnQueryDragIcon();
    // WM_HELP (F1): no help, and the request goes no further.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    // 参照 clicked: the Open dialog.
    void OnBrowse();
    // Fills `paths` with the command line's pieces that name existing files, in order. 0 when the command
    // line is empty or starts with "-", else 1.
    int ParseCommandLine(CStringArray& paths);
    // TRUE when `path` opens for reading with no other opener: no directory, nothing held open elsewhere.
    BOOL FileExists(const CString& path);
    // A picture of a layout clicked: selects that layout's radio button.
    void OnLayoutPicture1();
    void OnLayoutPicture2();
    void OnLayoutPicture3();
    void OnLayoutPicture4();
    void OnLayoutPicture5();
    void OnLayoutPicture6();
    // WM_DESTROY.
    void OnDestroy();

private:
    // The system-menu items, after DonationsLink of `section` was read and written back.
    void BuildSystemMenu(const CString& section);
    // Moves the window to its stored place, pulled onto the virtual screen, and shows it.
    void RestorePlacement(const CString& section);
    // Stores the window's restored rectangle.
    void SavePlacement();
    void ClearLayoutChecks();
    void CheckLayoutButton(int controlId);

    ProgressBarSink m_progressSink{m_progress};
};
