// CDialog: a dialog from a template, run modally by a message loop of our own.
//
// The loop is ours (a modeless dialog, its owner disabled while it runs) rather than DialogBox's, so
// that every queued message passes PreTranslateMessage, which a dialog may extend, before dispatch.
// The dialog window is subclassed while it exists: its messages go through the message map first and
// on to the dialog manager (DefDlgProc) when no entry takes them or a handler calls Default().
#pragma once

#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/Gdi.h"
#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the dialog, runs it until EndDialog, destroys it; returns the EndDialog result, or -1 when
    // the dialog could not be created.
    INT_PTR DoModal();
    void EndDialog(int result);

    // TRUE: the controls' texts into the members; FALSE: the members into the controls. FALSE when a
    // validation failed (the remaining steps are then not done).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // Called for every queued message of the modal loop before dispatch; TRUE when it took the message.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // WM_INITDIALOG: runs the first exchange to the controls. TRUE puts the focus on the first control.
    virtual BOOL OnInitDialog();
    // IDOK: exchange from the controls, then end with IDOK unless a validation failed.
    virtual void OnOK();
    // IDCANCEL (Esc, the close box): end with IDCANCEL.
    virtual void OnCancel();

    // The default processing of the message being handled.
    LRESULT Default();

    // Handlers with the default processing, for message maps to name.
    void OnPaint() { Default(); }
    void OnDestroy() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL HandleInitDialog();
    HWND ChooseOwner() const;

    UINT m_templateId;
    CWnd* m_pParentWnd;
    WNDPROC m_dialogManagerProc = nullptr;
    MSG m_currentMessage = {};
    bool m_endRequested = false;
    int m_modalResult = -1;
};
