// Control objects: each is bound to its control's window by the data exchange (DDX_Control).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/Wnd.h"

class CEdit : public CWnd {};

class CStatic : public CWnd {};

class CProgressCtrl : public CWnd {
public:
    void SetRange32(int low, int high) const { SendMessage(PBM_SETRANGE32, low, high); }
    int SetPos(int position) const { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
};
