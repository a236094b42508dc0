// Message maps: each dialog class has a table of the messages it handles, read from the top, with the
// base class's table behind it. A handler's signature is named in its entry; the dispatcher in
// Dialog.cpp calls it with the message's parameters unpacked.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(IDC_GO, &CMyDlg::OnGo)
//   END_MESSAGE_MAP()
#pragma once

#include <windows.h>

// The 16-bit name that stands for the WM_CTLCOLORxxx messages in a map.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

class CDialog;
class CDC;
class CWnd;

enum class HandlerSignature {
    Void,           // void ()
    SysCommand,     // void (UINT id, LPARAM)
    QueryDragIcon,  // HCURSOR ()
    HelpInfo,       // BOOL (HELPINFO*)
    CtlColor,       // HBRUSH (CDC*, CWnd* control, UINT kind): every WM_CTLCOLORxxx message
};

// Handlers of every signature are stored as this type and cast back by their signature.
using MessageHandler = void (CDialog::*)();

struct MessageMapEntry {
    UINT message;           // 0 ends the table; WM_CTLCOLOR stands for all WM_CTLCOLORxxx messages
    UINT code;              // WM_COMMAND: the notification code
    UINT firstId, lastId;   // WM_COMMAND: the range of control IDs
    HandlerSignature signature;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
};

// Handlers of other signatures go into an entry and come back out by these casts, the one pair of
// conversions between member-function types, which a round trip keeps exact.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
template <class Handler>
MessageHandler StoreHandler(Handler handler) { return reinterpret_cast<MessageHandler>(handler); }
template <class Handler>
Handler LoadHandler(MessageHandler stored) { return reinterpret_cast<Handler>(stored); }
#pragma GCC diagnostic pop

// Entries from member functions of `Class` (or of its bases), one overload per signature.
template <class Class>
MessageMapEntry MakeEntry(UINT message, UINT code, UINT firstId, UINT lastId, void (Class::*fn)())
{
    return {message, code, firstId, lastId, HandlerSignature::Void, static_cast<MessageHandler>(fn)};
}
template <class Class>
MessageMapEntry MakeEntry(UINT message, void (Class::*fn)(UINT, LPARAM))
{
    using Target = void (CDialog::*)(UINT, LPARAM);
    return {message, 0, 0, 0, HandlerSignature::SysCommand,
            StoreHandler(static_cast<Target>(fn))};
}
template <class Class>
MessageMapEntry MakeEntry(UINT message, HCURSOR (Class::*fn)())
{
    using Target = HCURSOR (CDialog::*)();
    return {message, 0, 0, 0, HandlerSignature::QueryDragIcon,
            StoreHandler(static_cast<Target>(fn))};
}
template <class Class>
MessageMapEntry MakeEntry(UINT message, BOOL (Class::*fn)(HELPINFO*))
{
    using Target = BOOL (CDialog::*)(HELPINFO*);
    return {message, 0, 0, 0, HandlerSignature::HelpInfo,
            StoreHandler(static_cast<Target>(fn))};
}
template <class Class>
MessageMapEntry MakeEntry(UINT message, HBRUSH (Class::*fn)(CDC*, CWnd*, UINT))
{
    using Target = HBRUSH (CDialog::*)(CDC*, CWnd*, UINT);
    return {message, 0, 0, 0, HandlerSignature::CtlColor,
            StoreHandler(static_cast<Target>(fn))};
}

#define DECLARE_MESSAGE_MAP()                         \
public:                                               \
    static const MessageMap* GetThisMessageMap();     \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                           \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); }    \
    const MessageMap* theClass::GetThisMessageMap()                                      \
    {                                                                                    \
        using ThisClass = theClass;                                                      \
        using TheBaseClass = baseClass;                                                  \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                  \
            {0, 0, 0, 0, HandlerSignature::Void, nullptr}                  \
        };                                                                 \
        static const MessageMap map = {TheBaseClass::GetThisMessageMap(), entries}; \
        return &map;                                                       \
    }

#define ON_COMMAND(id, fn) MakeEntry<ThisClass>(WM_COMMAND, 0, id, id, fn),
#define ON_BN_CLICKED(id, fn) MakeEntry<ThisClass>(WM_COMMAND, BN_CLICKED, id, id, fn),
#define ON_STN_CLICKED(id, fn) MakeEntry<ThisClass>(WM_COMMAND, STN_CLICKED, id, id, fn),
#define ON_STN_CLICKED_RANGE(firstId, lastId, fn) \
    MakeEntry<ThisClass>(WM_COMMAND, STN_CLICKED, firstId, lastId, fn),
#define ON_WM_SYSCOMMAND() MakeEntry<ThisClass>(WM_SYSCOMMAND, &ThisClass::OnSysCommand),
#define ON_WM_PAINT() MakeEntry<ThisClass>(WM_PAINT, 0, 0, 0, &ThisClass::OnPaint),
#define ON_WM_QUERYDRAGICON() MakeEntry<ThisClass>(WM_QUERYDRAGICON, &ThisClass::OnQueryDragIcon),
#define ON_WM_HELPINFO() MakeEntry<ThisClass>(WM_HELP, &ThisClass::OnHelpInfo),
#define ON_WM_CTLCOLOR() MakeEntry<ThisClass>(WM_CTLCOLOR, &ThisClass::OnCtlColor),
#define ON_WM_DESTROY() MakeEntry<ThisClass>(WM_DESTROY, 0, 0, 0, &ThisClass::OnDestroy),
