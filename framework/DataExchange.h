// Dialog data exchange: DoDataExchange calls these in order. The exchange object carries the direction
// and the last control touched, so that a check can limit a control on the way to it and refuse a value
// on the way back. After a refusal the remaining steps do nothing.
#pragma once

#include <windows.h>

#include "framework/CString.h"
#include "framework/Wnd.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control `id` of the dialog, which becomes the last control touched.
    HWND PrepareCtrl(int id);
    // A refused value: the focus goes to the last control, and the exchange stops.
    void Fail();
    bool Failed() const { return m_failed; }

    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;

private:
    bool m_failed = false;
};

// Binds `control` to the dialog's control `id` at the first exchange; later exchanges leave it.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
// The control's whole text into `value`, or `value` into the control.
void DDX_Text(CDataExchange* pDX, int id, CString& value);
// To the control: limits the edit box to `maxChars`. From it: a longer value is refused with the message
// "<maxChars> 文字以内で入力してください。".
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int maxChars);
