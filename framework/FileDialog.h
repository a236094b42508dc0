// CFileDialog: the system's Open dialog. Where the system has it, the common item dialog
// (IFileOpenDialog), given the title, filter, initial folder and must-exist rules of the classic
// dialog's record; where it is missing, the classic dialog with that record. Either way the chosen path
// is taken in UTF-16 and turned into the system code page only when it converts exactly.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "framework/CString.h"
#include "framework/Wnd.h"

class CFileDialog {
public:
    // An Open dialog. `filter` alternates display texts and patterns, each ended by "|"; the first entry
    // is selected. `flags` are OFN_ flags; OFN_PATHMUSTEXIST and OFN_FILEMUSTEXIST carry over to the item
    // dialog.
    CFileDialog(BOOL openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                DWORD flags = 0, const char* filter = nullptr, CWnd* parent = nullptr, DWORD size = 0,
                BOOL vistaStyle = TRUE);

    // The record of the dialog; lpstrTitle and lpstrInitialDir may be set before DoModal.
    OPENFILENAMEA& GetOFN() { return m_ofn; }

    // IDOK when the user chose a file, IDCANCEL when not.
    INT_PTR DoModal();
    // The full path of the chosen file, in the system code page.
    CString GetPathName() const { return m_pathName; }
    // FALSE when the chosen path holds a character that the system code page cannot represent, so that
    // GetPathName is not the file the user chose.
    BOOL IsPathRepresentable() const { return m_pathRepresentable; }

private:
    INT_PTR DoModalItemDialog(HWND owner, bool* available);
    INT_PTR DoModalClassic(HWND owner);

    OPENFILENAMEA m_ofn;
    std::string m_filter;  // the "|" separators turned into the NULs the system expects
    char m_fileBuffer[MAX_PATH] = {};
    CWnd* m_pParentWnd;
    BOOL m_vistaStyle;
    CString m_pathName;
    BOOL m_pathRepresentable = TRUE;
};
