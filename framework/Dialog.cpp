#include "framework/Dialog.h"

#include "framework/WinApp.h"

namespace {

// The dialog whose window is being created. There is one user-interface thread.
CDialog* g_creatingDialog = nullptr;

CDialog* DialogOf(HWND hWnd) { return reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER)); }

bool IsKeyboardOrMouseInput(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// Centres `window` over `owner`, kept inside the work area of the owner's monitor.
void CenterOverOwner(HWND window, HWND owner)
{
    RECT rect, ownerRect;
    ::GetWindowRect(window, &rect);
    ::GetWindowRect(owner, &ownerRect);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;

    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int x = (ownerRect.left + ownerRect.right) / 2 - width / 2;
    int y = (ownerRect.top + ownerRect.bottom) / 2 - height / 2;
    if (x + width > area.right) x = area.right - width;
    if (x < area.left) x = area.left;
    if (y + height > area.bottom) y = area.bottom - height;
    if (y < area.top) y = area.top;
    ::SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

const MessageMap* CDialog::GetMessageMap() const { return GetThisMessageMap(); }

const MessageMap* CDialog::GetThisMessageMap()
{
    using ThisClass = CDialog;
    static const MessageMapEntry entries[] = {
        ON_COMMAND(IDOK, &ThisClass::OnOK)
        ON_COMMAND(IDCANCEL, &ThisClass::OnCancel)
        {0, 0, 0, 0, HandlerSignature::Void, nullptr}
    };
    static const MessageMap map = {nullptr, entries};
    return &map;
}

HWND CDialog::ChooseOwner() const
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner) {
        // No parent given: the application's main window, unless that is this dialog.
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd && app->m_pMainWnd != this) owner = app->m_pMainWnd->m_hWnd;
    }
    if (!owner || !::IsWindow(owner)) return nullptr;
    return ::GetLastActivePopup(::GetAncestor(owner, GA_ROOT));
}

INT_PTR CDialog::DoModal()
{
    HWND owner = ChooseOwner();
    const bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner) ::EnableWindow(owner, FALSE);

    m_endRequested = false;
    m_modalResult = -1;
    g_creatingDialog = this;
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner,
                                     DialogProc, 0);
    g_creatingDialog = nullptr;
    if (!hWnd) {
        if (disabledOwner) ::EnableWindow(owner, TRUE);
        return -1;
    }
    // A template without WS_VISIBLE is shown once its initialisation is done.
    if (!m_endRequested && !::IsWindowVisible(hWnd)) ::ShowWindow(hWnd, SW_SHOWNORMAL);

    while (!m_endRequested) {
        MSG msg;
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside ours
            break;
        }
        if (!PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }

    // Hide first and give the activation back to the owner before the window goes.
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (disabledOwner) ::EnableWindow(owner, TRUE);
    if (owner && ::GetActiveWindow() == hWnd) ::SetActiveWindow(owner);
    ::DestroyWindow(hWnd);
    return m_modalResult;
}

void CDialog::EndDialog(int result)
{
    m_modalResult = result;
    m_endRequested = true;
    if (m_hWnd) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // The dialog manager's keys (Tab, Enter, Esc, arrows, access keys) and mouse input; everything else
    // is dispatched as it is.
    if (!IsKeyboardOrMouseInput(pMsg->message)) return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::Default()
{
    return ::CallWindowProcA(m_dialogManagerProc, m_hWnd, m_currentMessage.message,
                             m_currentMessage.wParam, m_currentMessage.lParam);
}

BOOL CDialog::HandleInitDialog()
{
    RECT before;
    ::GetWindowRect(m_hWnd, &before);
    const bool visibleBefore = ::IsWindowVisible(m_hWnd);

    const BOOL result = OnInitDialog();

    // A dialog that its initialisation neither moved nor showed opens centred over its owner.
    RECT after;
    ::GetWindowRect(m_hWnd, &after);
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    const DWORD placedByStyle = WS_CHILD | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN;
    if (owner && !visibleBefore && !::IsWindowVisible(m_hWnd) && ::EqualRect(&before, &after) &&
        (GetStyle() & placedByStyle) == 0) {
        CenterOverOwner(m_hWnd, owner);
    }
    return result;
}

bool CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageMapEntry* entry = map->entries; entry->message != 0; ++entry) {
            if (entry->message == WM_COMMAND) {
                const UINT id = LOWORD(wParam);
                if (message != WM_COMMAND || HIWORD(wParam) != entry->code || id < entry->firstId ||
                    id > entry->lastId) {
                    continue;
                }
            } else if (entry->message == WM_CTLCOLOR) {
                if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) continue;
            } else if (entry->message != message) {
                continue;
            }

            *result = 0;
            switch (entry->signature) {
            case HandlerSignature::Void:
                (this->*entry->handler)();
                break;
            case HandlerSignature::SysCommand: {
                auto fn = LoadHandler<void (CDialog::*)(UINT, LPARAM)>(entry->handler);
                (this->*fn)(static_cast<UINT>(wParam), lParam);
                break;
            }
            case HandlerSignature::QueryDragIcon: {
                auto fn = LoadHandler<HCURSOR (CDialog::*)()>(entry->handler);
                *result = reinterpret_cast<LRESULT>((this->*fn)());
                break;
            }
            case HandlerSignature::HelpInfo: {
                auto fn = LoadHandler<BOOL (CDialog::*)(HELPINFO*)>(entry->handler);
                *result = (this->*fn)(reinterpret_cast<HELPINFO*>(lParam));
                break;
            }
            case HandlerSignature::CtlColor: {
                auto fn = LoadHandler<HBRUSH (CDialog::*)(CDC*, CWnd*, UINT)>(entry->handler);
                CDC dc(reinterpret_cast<HDC>(wParam));
                CWnd control(reinterpret_cast<HWND>(lParam));
                *result = reinterpret_cast<LRESULT>(
                    (this->*fn)(&dc, &control, message - WM_CTLCOLORMSGBOX));
                break;
            }
            }
            return true;
        }
    }
    return false;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    CDialog* dialog = DialogOf(hWnd);
    if (!dialog && g_creatingDialog) {
        // The first message of a new dialog window (WM_SETFONT, or WM_INITDIALOG): bind it to its
        // object and put the object's window procedure in front of the dialog manager's.
        dialog = g_creatingDialog;
        g_creatingDialog = nullptr;
        dialog->m_hWnd = hWnd;
        ::SetWindowLongPtrA(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
        dialog->m_dialogManagerProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
    }
    if (dialog && message == WM_INITDIALOG) {
        try {
            return dialog->HandleInitDialog();
        } catch (...) {
            return TRUE;  // nothing crosses the window procedure
        }
    }
    return FALSE;
}

LRESULT CALLBACK CDialog::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* dialog = DialogOf(hWnd);
    if (!dialog) return ::DefWindowProcA(hWnd, message, wParam, lParam);

    const MSG outer = dialog->m_currentMessage;
    dialog->m_currentMessage = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    try {
        if (message == WM_NCDESTROY || !dialog->Dispatch(message, wParam, lParam, &result)) {
            result = dialog->Default();
        }
    } catch (...) {
        result = 0;  // nothing crosses the window procedure
    }
    dialog->m_currentMessage = outer;

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(dialog->m_dialogManagerProc));
        ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
    }
    return result;
}
