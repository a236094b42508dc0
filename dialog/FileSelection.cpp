// The three ways of naming the input file besides typing it: the Open dialog, a file dropped onto the
// path box, and the command line.
#include "dialog/TobrinDlg.h"

#include <shellapi.h>

#include <vector>

#include "dialog/QuoteSplit.h"
#include "framework/File.h"
#include "framework/FileDialog.h"
#include "framework/WinApp.h"

namespace {
const char kOpenTitle[] = "ファイル選択";
const char kOpenFilter[] = "バイナリファイル (*.BIN; *.ROM;)|*.BIN; *.ROM|すべてのファイル (*.*)|*.*|";
} // namespace

void CTobrinDlg::OnBrowse()
{
    UpdateData(TRUE);

    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, kOpenFilter, this, 0, TRUE);
    dialog.GetOFN().lpstrTitle = kOpenTitle;
    // A current directory that does not fit leaves the dialog's own choice of folder.
    char currentDirectory[256] = "";
    const DWORD length = ::GetCurrentDirectoryA(sizeof currentDirectory, currentDirectory);
    if (length == 0 || length >= sizeof currentDirectory) currentDirectory[0] = '\0';
    dialog.GetOFN().lpstrInitialDir = currentDirectory;

    if (dialog.DoModal() == IDOK) {
        if (dialog.IsPathRepresentable()) {
            m_strFile = dialog.GetPathName();
            RefreshInputFile();
        } else {
            // The path in the system code page would name another file, or none.
            AfxMessageBox(kMsgFileNotFound, MB_ICONERROR);
        }
    }
    UpdateData(FALSE);
}

BOOL CTobrinDlg::PreTranslateMessage(MSG* pMsg)
{
    // Files dropped onto the path box, the one control that accepts them.
    if (pMsg->message == WM_DROPFILES) {
        HDROP drop = reinterpret_cast<HDROP>(pMsg->wParam);
        if (::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) == 1) {
            const UINT length = ::DragQueryFileA(drop, 0, nullptr, 0);
            std::vector<char> path(length + 1);
            ::DragQueryFileA(drop, 0, path.data(), length + 1);
            m_strFile = path.data();
            if (m_strFile.GetLength() > kMaxPathBytes) {
                // The box keeps its text; the next exchange from the controls takes it back.
                AfxMessageBox(kMsgPathTooLong, MB_ICONERROR);
            } else {
                RefreshInputFile();
                UpdateData(FALSE);
            }
        }
        ::DragFinish(drop);
    }
    return CDialog::PreTranslateMessage(pMsg);
}

int CTobrinDlg::ParseCommandLine(CStringArray& paths)
{
    const char* commandLine = AfxGetApp()->m_lpCmdLine;
    if (!commandLine || commandLine[0] == '\0' || commandLine[0] == '-') return 0;
    for (const std::string& piece : SplitAtQuotes(commandLine)) {
        if (piece == " ") continue;  // the blank between two quoted paths
        if (FileExists(piece.c_str())) paths.Add(piece.c_str());
    }
    return 1;
}

BOOL CTobrinDlg::FileExists(const CString& path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead)) return FALSE;
    file.Close();
    return TRUE;
}
