// CAboutDlg: the About box, opened from the system menu. Shows the version and the home page's address
// as a link that opens it.
#pragma once

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Colours the link blue; everything else as the system draws it.
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    // The link clicked: the home page in the browser; the box stays open.
    void OnLinkClicked();

private:
    CString m_strVersion;
    CStatic m_link;
    CString m_strLink;
    CFont m_fontLink;
};
