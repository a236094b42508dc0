#include "framework/DataExchange.h"

#include <string>

#include "framework/Dialog.h"
#include "framework/WinApp.h"

namespace {
// The framework's prompt for a text that is too long, and its help ID.
const char kMaxCharsPrompt[] = "%1 文字以内で入力してください。";
constexpr UINT kMaxCharsPromptId = 61716;
} // namespace

HWND CDataExchange::PrepareCtrl(int id)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    return m_hWndLastControl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    m_failed = true;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(id);
    if (!control.m_hWnd) control.m_hWnd = hWnd;
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    if (pDX->Failed()) return;
    CWnd control(pDX->PrepareCtrl(id));
    if (pDX->m_bSaveAndValidate) {
        value = control.GetWindowText();
    } else {
        control.SetWindowText(value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars)
{
    if (pDX->Failed()) return;
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_hWndLastControl) ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, maxChars, 0);
        return;
    }
    if (value.GetLength() <= maxChars) return;
    std::string prompt = kMaxCharsPrompt;
    prompt.replace(prompt.find("%1"), 2, std::to_string(maxChars));
    AfxMessageBox(prompt.c_str(), MB_ICONEXCLAMATION, kMaxCharsPromptId);
    pDX->Fail();
}
