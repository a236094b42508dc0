#include "framework/FileDialog.h"

#include <shobjidl.h>

#include <vector>

#include "framework/WinApp.h"

namespace {

std::wstring Widen(const char* text)
{
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}

// `wide` in the system code page; false when some character has no exact form there.
bool Narrow(const wchar_t* wide, std::string* narrow)
{
    const int length = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return false;
    std::string text(static_cast<size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, &text[0], length, nullptr, &usedDefault);
    text.resize(static_cast<size_t>(length) - 1);
    *narrow = text;
    // The way back must give the same characters.
    return !usedDefault && Widen(text.c_str()) == wide;
}

template <class Interface>
void Release(Interface*& object)
{
    if (object) object->Release();
    object = nullptr;
}

} // namespace

CFileDialog::CFileDialog(BOOL, const char* defaultExt, const char* fileName, DWORD flags, const char* filter,
                         CWnd* parent, DWORD size, BOOL vistaStyle)
    : m_ofn(), m_pParentWnd(parent), m_vistaStyle(vistaStyle)
{
    m_ofn.lStructSize = size != 0 ? size : sizeof(OPENFILENAMEA);
    m_ofn.lpstrDefExt = defaultExt;
    m_ofn.Flags = flags;
    m_ofn.lpstrFile = m_fileBuffer;
    m_ofn.nMaxFile = sizeof m_fileBuffer;
    if (fileName) lstrcpynA(m_fileBuffer, fileName, sizeof m_fileBuffer);
    if (filter) {
        // Double-byte characters are stepped over whole: 0x7C may be a trail byte in code page 932.
        for (const char* p = filter; *p; p = ::CharNextA(p)) {
            if (*p == '|') {
                m_filter += '\0';
            } else {
                m_filter.append(p, static_cast<size_t>(::CharNextA(p) - p));
            }
        }
        m_filter += '\0';
        m_ofn.lpstrFilter = m_filter.c_str();
        m_ofn.nFilterIndex = 1;
    }
}

INT_PTR CFileDialog::DoModal()
{
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd) owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    m_ofn.hwndOwner = owner;
    m_pathName.Empty();
    m_pathRepresentable = TRUE;

    if (m_vistaStyle) {
        bool available = false;
        const INT_PTR result = DoModalItemDialog(owner, &available);
        if (available) return result;
    }
    return DoModalClassic(owner);
}

INT_PTR CFileDialog::DoModalItemDialog(HWND owner, bool* available)
{
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    IFileOpenDialog* dialog = nullptr;
    INT_PTR result = IDCANCEL;
    if (SUCCEEDED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                     reinterpret_cast<void**>(&dialog)))) {
        *available = true;

        FILEOPENDIALOGOPTIONS options = 0;
        dialog->GetOptions(&options);
        options |= FOS_FORCEFILESYSTEM;
        if (m_ofn.Flags & OFN_PATHMUSTEXIST) options |= FOS_PATHMUSTEXIST;
        if (m_ofn.Flags & OFN_FILEMUSTEXIST) options |= FOS_FILEMUSTEXIST;
        dialog->SetOptions(options);

        if (m_ofn.lpstrTitle) dialog->SetTitle(Widen(m_ofn.lpstrTitle).c_str());

        // The filter's pairs of display text and patterns.
        std::vector<std::wstring> texts;
        for (const char* p = m_ofn.lpstrFilter; p && *p; p += lstrlenA(p) + 1) texts.push_back(Widen(p));
        std::vector<COMDLG_FILTERSPEC> fileTypes;
        for (size_t i = 0; i + 1 < texts.size(); i += 2) fileTypes.push_back({texts[i].c_str(), texts[i + 1].c_str()});
        if (!fileTypes.empty()) {
            dialog->SetFileTypes(static_cast<UINT>(fileTypes.size()), fileTypes.data());
            dialog->SetFileTypeIndex(m_ofn.nFilterIndex != 0 ? m_ofn.nFilterIndex : 1);
        }
        if (m_ofn.lpstrDefExt) dialog->SetDefaultExtension(Widen(m_ofn.lpstrDefExt).c_str());

        if (m_ofn.lpstrInitialDir && *m_ofn.lpstrInitialDir) {
            IShellItem* folder = nullptr;
            if (SUCCEEDED(::SHCreateItemFromParsingName(Widen(m_ofn.lpstrInitialDir).c_str(), nullptr,
                                                        IID_IShellItem, reinterpret_cast<void**>(&folder)))) {
                dialog->SetFolder(folder);
            }
            Release(folder);
        }

        IShellItem* chosen = nullptr;
        PWSTR path = nullptr;
        if (SUCCEEDED(dialog->Show(owner)) && SUCCEEDED(dialog->GetResult(&chosen)) &&
            SUCCEEDED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
            std::string narrow;
            m_pathRepresentable = Narrow(path, &narrow);
            m_pathName = narrow.c_str();
            result = IDOK;
        }
        ::CoTaskMemFree(path);
        Release(chosen);
        Release(dialog);
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    return result;
}

INT_PTR CFileDialog::DoModalClassic(HWND owner)
{
    // The wide form of the dialog, so that a chosen name the system code page cannot represent is
    // noticed instead of being replaced by a look-alike.
    const std::wstring title = m_ofn.lpstrTitle ? Widen(m_ofn.lpstrTitle) : std::wstring();
    const std::wstring folder = m_ofn.lpstrInitialDir ? Widen(m_ofn.lpstrInitialDir) : std::wstring();
    const std::wstring extension = m_ofn.lpstrDefExt ? Widen(m_ofn.lpstrDefExt) : std::wstring();
    std::wstring filter;
    for (const char* p = m_ofn.lpstrFilter; p && *p; p += lstrlenA(p) + 1) filter += Widen(p) + L'\0';
    std::vector<wchar_t> file(MAX_PATH, L'\0');
    const std::wstring initialName = Widen(m_fileBuffer);
    initialName.copy(file.data(), file.size() - 1);

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = m_ofn.nFilterIndex;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = m_ofn.lpstrTitle ? title.c_str() : nullptr;
    ofn.lpstrDefExt = m_ofn.lpstrDefExt ? extension.c_str() : nullptr;
    ofn.Flags = m_ofn.Flags;
    if (!::GetOpenFileNameW(&ofn)) return IDCANCEL;

    std::string narrow;
    m_pathRepresentable = Narrow(file.data(), &narrow);
    m_pathName = narrow.c_str();
    return IDOK;
}
