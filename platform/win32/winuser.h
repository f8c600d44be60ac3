// The drawing part of the window manager: the screen's device context, rectangles filled and
// framed with brushes, text in a rectangle, and the system colours.
#pragma once

#include "platform/win32/wingdi.h"

#include <cstddef>

#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU 4
#define COLOR_WINDOW 5
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_WINDOWTEXT 8
#define COLOR_CAPTIONTEXT 9
#define COLOR_ACTIVEBORDER 10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE 12
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_HOTLIGHT 26
#define COLOR_GRADIENTACTIVECAPTION 27
#define COLOR_GRADIENTINACTIVECAPTION 28
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT

#define DT_TOP 0x0000
#define DT_LEFT 0x0000
#define DT_CENTER 0x0001
#define DT_RIGHT 0x0002
#define DT_VCENTER 0x0004
#define DT_BOTTOM 0x0008
#define DT_SINGLELINE 0x0020
#define DT_NOCLIP 0x0100
#define DT_CALCRECT 0x0400
#define DT_NOPREFIX 0x0800

// The screen's device context (window null); the window half adds window contexts.
WIN32API HDC GetDC(HWND window);
WIN32API int ReleaseDC(HWND window, HDC dc);

// The classic fixed colour scheme; the same on every machine.
WIN32API DWORD GetSysColor(int index);
WIN32API HBRUSH GetSysColorBrush(int index);

// `brush` may also be a system colour index plus one, as Windows allows.
WIN32API int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
WIN32API int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
WIN32API BOOL DrawFocusRect(HDC dc, const RECT* rect);

// One line of text in a rectangle (DT_SINGLELINE is implied: line breaks are not interpreted),
// aligned by DT_LEFT/CENTER/RIGHT and DT_TOP/VCENTER/BOTTOM; "&" marks the next character as a
// mnemonic (underlined) unless DT_NOPREFIX; DT_CALCRECT only measures and sets the rectangle's
// right and bottom. Answers the text height.
WIN32API int DrawTextA(HDC dc, LPCSTR text, int length, RECT* rect, UINT format);
inline int DrawText(HDC dc, LPCSTR text, int length, RECT* rect, UINT format) {
    return DrawTextA(dc, text, length, rect, format);
}

// ---------------------------------------------------------------------------------------------
// The window manager: window classes and windows, messages and their queue, painting, focus and
// the keyboard, timers, hooks, dialogs, the standard controls and the clipboard. Names, types and
// numbers are Windows'. The model runs on one thread and needs no display; a top-level window is
// shown on screen only when the display host (platform/win32/qt) shows it.

#define CALLBACK
using LONG_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ATOM = WORD;
using HMENU = HANDLE;
using HICON = HANDLE;
using HCURSOR = HANDLE;
using HHOOK = HANDLE;
using HGLOBAL = HANDLE;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using DLGPROC = LONG_PTR (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using HOOKPROC = LRESULT (*)(int, WPARAM, LPARAM);

constexpr DWORD MAKELONG(WORD low, WORD high) {
    return static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16);
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high) {
    return static_cast<LPARAM>(MAKELONG(low, high));
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(MAKELONG(low, high));
}
constexpr int GET_X_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>(LOWORD(static_cast<DWORD>(value)));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return static_cast<std::int16_t>(HIWORD(static_cast<DWORD>(value)));
}
// A resource named by number: the number in the low 16 bits of the name pointer.
inline LPSTR MAKEINTRESOURCEA(WORD id) {
    return reinterpret_cast<LPSTR>(std::uintptr_t{id});
}
#define MAKEINTRESOURCE MAKEINTRESOURCEA
inline bool IS_INTRESOURCE(LPCSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
};
using WNDCLASS = WNDCLASSA;

struct CREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
};
using CREATESTRUCT = CREATESTRUCTA;

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x;
    int y;
    int cx;
    int cy;
    UINT flags;
};

struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

// Class styles.
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_OWNDC 0x0020
#define CS_PARENTDC 0x0080
#define CS_SAVEBITS 0x0800
#define CS_GLOBALCLASS 0x4000

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW                                                                        \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_POPUPWINDOW (WS_POPUP | WS_BORDER | WS_SYSMENU)
#define WS_CHILDWINDOW WS_CHILD

#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_TOPMOST 0x00000008L
#define WS_EX_TRANSPARENT 0x00000020L
#define WS_EX_TOOLWINDOW 0x00000080L
#define WS_EX_WINDOWEDGE 0x00000100L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_CONTROLPARENT 0x00010000L
#define WS_EX_STATICEDGE 0x00020000L

#define CW_USEDEFAULT (static_cast<int>(0x80000000))

// Messages.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETREDRAW 0x000B
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_ERASEBKGND 0x0014
#define WM_SHOWWINDOW 0x0018
#define WM_CANCELMODE 0x001F
#define WM_SETCURSOR 0x0020
#define WM_GETMINMAXINFO 0x0024
#define WM_NEXTDLGCTL 0x0028
#define WM_DRAWITEM 0x002B
#define WM_SETFONT 0x0030
#define WM_GETFONT 0x0031
#define WM_WINDOWPOSCHANGING 0x0046
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_HELP 0x0053
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_NCCALCSIZE 0x0083
#define WM_NCHITTEST 0x0084
#define WM_NCPAINT 0x0085
#define WM_GETDLGCODE 0x0087
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_SYSCHAR 0x0106
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_ENTERIDLE 0x0121
#define WM_CTLCOLORMSGBOX 0x0132
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORLISTBOX 0x0134
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORDLG 0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC 0x0138
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_PARENTNOTIFY 0x0210
#define WM_CAPTURECHANGED 0x0215
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_USER 0x0400

// Answers to WM_NCHITTEST. A window answering HTTRANSPARENT lets the mouse through to the
// windows beneath it (group boxes do, so that the controls inside them get the clicks).
#define HTTRANSPARENT (-1)
#define HTNOWHERE 0
#define HTCLIENT 1

// WM_SYSCOMMAND commands.
#define SC_CLOSE 0xF060

// WM_SIZE kinds.
#define SIZE_RESTORED 0

// Mouse-message key flags.
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008

// Virtual keys.
#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F4 0x73

// ShowWindow commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_SHOWNA 8
#define SW_RESTORE 9

// SetWindowPos flags and places in the Z order.
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define HWND_TOP (reinterpret_cast<HWND>(0))
#define HWND_BOTTOM (reinterpret_cast<HWND>(1))

// GetWindow relations.
#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

// GetAncestor relations.
#define GA_PARENT 1
#define GA_ROOT 2
#define GA_ROOTOWNER 3

// GetWindowLongPtr indexes. The dialog values are the offsets of a dialog's extra bytes.
#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_USERDATA (-21)
#define GWL_WNDPROC GWLP_WNDPROC
#define GWL_ID GWLP_ID
#define GWL_USERDATA GWLP_USERDATA
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC 8
#define DWLP_USER 16
#define DLGWINDOWEXTRA 48

// GetClassLongPtr indexes.
#define GCLP_HBRBACKGROUND (-10)
#define GCLP_WNDPROC (-24)
#define GCL_CBWNDEXTRA (-18)
#define GCL_STYLE (-26)

// System metrics.
#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SM_CXVSCROLL 2
#define SM_CYHSCROLL 3
#define SM_CYCAPTION 4
#define SM_CXBORDER 5
#define SM_CYBORDER 6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CYVTHUMB 9
#define SM_CXHTHUMB 10
#define SM_CXICON 11
#define SM_CYICON 12
#define SM_CXCURSOR 13
#define SM_CYCURSOR 14
#define SM_CYMENU 15
#define SM_CXFULLSCREEN 16
#define SM_CYFULLSCREEN 17
#define SM_CYVSCROLL 20
#define SM_CXHSCROLL 21
#define SM_CXMIN 28
#define SM_CYMIN 29
#define SM_CXSIZE 30
#define SM_CYSIZE 31
#define SM_CXFRAME 32
#define SM_CYFRAME 33
#define SM_CXDOUBLECLK 36
#define SM_CYDOUBLECLK 37
#define SM_CXEDGE 45
#define SM_CYEDGE 46
#define SM_CXFIXEDFRAME SM_CXDLGFRAME
#define SM_CYFIXEDFRAME SM_CYDLGFRAME
#define SM_CXSIZEFRAME SM_CXFRAME
#define SM_CYSIZEFRAME SM_CYFRAME

// PeekMessage options.
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

// RedrawWindow flags.
#define RDW_INVALIDATE 0x0001
#define RDW_ERASE 0x0004
#define RDW_ALLCHILDREN 0x0080
#define RDW_UPDATENOW 0x0100
#define RDW_ERASENOW 0x0200

// Hooks.
#define WH_MSGFILTER (-1)
#define MSGF_DIALOGBOX 0
#define MSGF_MENU 2
#define HC_ACTION 0

// Dialog styles, codes and messages.
#define DS_ABSALIGN 0x01L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_3DLOOK 0x0004L
#define DS_CENTER 0x0800L
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// Dialog box command ids.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// Button styles, messages, notifications and states.
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_3STATE 0x00000005L
#define BS_AUTO3STATE 0x00000006L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_OWNERDRAW 0x0000000BL
#define BS_TYPEMASK 0x0000000FL
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BM_SETSTYLE 0x00F4
#define BM_CLICK 0x00F5
#define BN_CLICKED 0
#define BN_DOUBLECLICKED 5
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002
#define BST_PUSHED 0x0004
#define BST_FOCUS 0x0008

// Static styles.
#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L
#define SS_BLACKRECT 0x00000004L
#define SS_GRAYRECT 0x00000005L
#define SS_WHITERECT 0x00000006L
#define SS_BLACKFRAME 0x00000007L
#define SS_SIMPLE 0x0000000BL
#define SS_LEFTNOWORDWRAP 0x0000000CL
#define SS_ETCHEDHORZ 0x00000010L
#define SS_ETCHEDVERT 0x00000011L
#define SS_ETCHEDFRAME 0x00000012L
#define SS_TYPEMASK 0x0000001FL
#define SS_NOPREFIX 0x00000080L
#define SS_NOTIFY 0x00000100L
#define STN_CLICKED 0

// Edit styles, messages and notifications.
#define ES_LEFT 0x0000L
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#define ES_UPPERCASE 0x0008L
#define ES_LOWERCASE 0x0010L
#define ES_PASSWORD 0x0020L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L
#define ES_NUMBER 0x2000L
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_REPLACESEL 0x00C2
#define EM_GETMODIFY 0x00B8
#define EM_SETMODIFY 0x00B9
#define EM_LIMITTEXT 0x00C5
#define EM_SETREADONLY 0x00CF
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_GETLIMITTEXT 0x00D5
#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501

// List box styles, messages, notifications and answers.
#define LBS_NOTIFY 0x0001L
#define LBS_SORT 0x0002L
#define LBS_NOINTEGRALHEIGHT 0x0100L
#define LBS_STANDARD (LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER)
#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_RESETCONTENT 0x0184
#define LB_SETCURSEL 0x0186
#define LB_GETCURSEL 0x0188
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LB_SELECTSTRING 0x018C
#define LB_GETTOPINDEX 0x018E
#define LB_FINDSTRING 0x018F
#define LB_SETTOPINDEX 0x0197
#define LB_GETITEMDATA 0x0199
#define LB_SETITEMDATA 0x019A
#define LB_GETITEMHEIGHT 0x01A1
#define LB_FINDSTRINGEXACT 0x01A2
#define LBN_SELCHANGE 1
#define LBN_DBLCLK 2
#define LBN_SETFOCUS 4
#define LBN_KILLFOCUS 5
#define LB_OKAY 0
#define LB_ERR (-1)
#define LB_ERRSPACE (-2)

// Combo box styles, messages, notifications and answers.
#define CBS_SIMPLE 0x0001L
#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_SORT 0x0100L
#define CB_GETEDITSEL 0x0140
#define CB_LIMITTEXT 0x0141
#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_FINDSTRING 0x014C
#define CB_SELECTSTRING 0x014D
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETITEMDATA 0x0150
#define CB_SETITEMDATA 0x0151
#define CB_GETDROPPEDSTATE 0x0157
#define CB_FINDSTRINGEXACT 0x0158
#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9
#define CB_OKAY 0
#define CB_ERR (-1)

// Scroll bars.
#define SBS_HORZ 0x0000L
#define SBS_VERT 0x0001L
#define SB_HORZ 0
#define SB_VERT 1
#define SB_CTL 2
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_BOTTOM 7
#define SB_ENDSCROLL 8
#define SIF_RANGE 0x0001
#define SIF_PAGE 0x0002
#define SIF_POS 0x0004
#define SIF_TRACKPOS 0x0010
#define SIF_ALL (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS)
#define SBM_SETPOS 0x00E0
#define SBM_GETPOS 0x00E1
#define SBM_SETRANGE 0x00E2
#define SBM_GETRANGE 0x00E3
#define SBM_SETSCROLLINFO 0x00E9
#define SBM_GETSCROLLINFO 0x00EA

struct SCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int nMin;
    int nMax;
    UINT nPage;
    int nPos;
    int nTrackPos;
};

// Scroll bars: a window's own (SB_HORZ, SB_VERT) or a "ScrollBar" control (SB_CTL).
WIN32API int SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, BOOL redraw);
WIN32API BOOL GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
WIN32API int SetScrollPos(HWND window, int bar, int position, BOOL redraw);
WIN32API int GetScrollPos(HWND window, int bar);
WIN32API BOOL SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw);
WIN32API BOOL GetScrollRange(HWND window, int bar, int* minimum, int* maximum);

// The clipboard: CF_TEXT as a GlobalAlloc block of Windows-1252 text ending in a zero byte,
// CF_BITMAP as a bitmap. The data given becomes the clipboard's, freed when replaced or emptied.
#define CF_TEXT 1
#define CF_BITMAP 2
WIN32API BOOL OpenClipboard(HWND owner);
WIN32API BOOL CloseClipboard();
WIN32API BOOL EmptyClipboard();
WIN32API HANDLE SetClipboardData(UINT format, HANDLE data);
WIN32API HANDLE GetClipboardData(UINT format);
WIN32API BOOL IsClipboardFormatAvailable(UINT format);
WIN32API int CountClipboardFormats();
WIN32API HWND GetClipboardOwner();

// Window classes.
WIN32API ATOM RegisterClassA(const WNDCLASSA* windowClass);
WIN32API BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
WIN32API BOOL GetClassInfoA(HINSTANCE instance, LPCSTR className, WNDCLASSA* windowClass);
WIN32API int GetClassNameA(HWND window, LPSTR className, int size);
WIN32API LONG_PTR GetClassLongPtrA(HWND window, int index);

// Windows: the tree, places and sizes, state, text and the window's own data.
WIN32API HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                              int x, int y, int width, int height, HWND parent, HMENU menu,
                              HINSTANCE instance, LPVOID param);
WIN32API BOOL DestroyWindow(HWND window);
WIN32API BOOL IsWindow(HWND window);
WIN32API BOOL IsChild(HWND parent, HWND window);
WIN32API HWND GetParent(HWND window);
WIN32API HWND SetParent(HWND window, HWND newParent);
WIN32API HWND GetAncestor(HWND window, UINT relation);
WIN32API HWND GetWindow(HWND window, UINT relation);
WIN32API HWND GetTopWindow(HWND window);
WIN32API HWND GetDesktopWindow();
WIN32API BOOL ShowWindow(HWND window, int command);
WIN32API BOOL IsWindowVisible(HWND window);
WIN32API BOOL EnableWindow(HWND window, BOOL enable);
WIN32API BOOL IsWindowEnabled(HWND window);
WIN32API BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height,
                           UINT flags);
WIN32API BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
WIN32API BOOL GetWindowRect(HWND window, RECT* rect);
WIN32API BOOL GetClientRect(HWND window, RECT* rect);
WIN32API BOOL ClientToScreen(HWND window, POINT* point);
WIN32API BOOL ScreenToClient(HWND window, POINT* point);
WIN32API int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
WIN32API HWND ChildWindowFromPoint(HWND parent, POINT point);
WIN32API HWND WindowFromPoint(POINT point);
WIN32API BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
WIN32API int GetSystemMetrics(int index);
WIN32API LONG_PTR GetWindowLongPtrA(HWND window, int index);
WIN32API LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
WIN32API LONG GetWindowLongA(HWND window, int index);
WIN32API LONG SetWindowLongA(HWND window, int index, LONG value);
WIN32API LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                                 LPARAM lParam);
WIN32API LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WIN32API BOOL SetPropA(HWND window, LPCSTR name, HANDLE data);
WIN32API HANDLE GetPropA(HWND window, LPCSTR name);
WIN32API HANDLE RemovePropA(HWND window, LPCSTR name);
WIN32API BOOL SetWindowTextA(HWND window, LPCSTR text);
WIN32API int GetWindowTextA(HWND window, LPSTR text, int size);
WIN32API int GetWindowTextLengthA(HWND window);
WIN32API int GetDlgCtrlID(HWND window);
WIN32API HWND GetDlgItem(HWND dialog, int id);

// Messages and the queue.
WIN32API LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WIN32API BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WIN32API void PostQuitMessage(int exitCode);
WIN32API BOOL GetMessageA(MSG* message, HWND window, UINT first, UINT last);
WIN32API BOOL PeekMessageA(MSG* message, HWND window, UINT first, UINT last, UINT remove);
WIN32API BOOL TranslateMessage(const MSG* message);
WIN32API LRESULT DispatchMessageA(const MSG* message);
WIN32API DWORD GetTickCount();

// Painting.
WIN32API BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
WIN32API BOOL ValidateRect(HWND window, const RECT* rect);
WIN32API BOOL GetUpdateRect(HWND window, RECT* rect, BOOL erase);
WIN32API BOOL UpdateWindow(HWND window);
WIN32API BOOL RedrawWindow(HWND window, const RECT* rect, HANDLE region, UINT flags);
WIN32API HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
WIN32API BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
WIN32API HDC GetWindowDC(HWND window);
WIN32API BOOL PrintWindow(HWND window, HDC dc, UINT flags);

// Focus, activation, capture and the keyboard.
WIN32API HWND SetFocus(HWND window);
WIN32API HWND GetFocus();
WIN32API HWND GetActiveWindow();
WIN32API HWND SetActiveWindow(HWND window);
WIN32API HWND SetCapture(HWND window);
WIN32API BOOL ReleaseCapture();
WIN32API HWND GetCapture();
WIN32API short GetKeyState(int virtualKey);

// Timers.
WIN32API UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure);
WIN32API BOOL KillTimer(HWND window, UINT_PTR id);

// Message-filter hooks, called by the dialog loop (MSGF_DIALOGBOX) and menu loops (MSGF_MENU).
WIN32API HHOOK SetWindowsHookExA(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread);
WIN32API BOOL UnhookWindowsHookEx(HHOOK hook);
WIN32API HHOOK SetWindowsHookA(int kind, HOOKPROC procedure);
WIN32API BOOL UnhookWindowsHook(int kind, HOOKPROC procedure);
WIN32API LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam);
WIN32API BOOL CallMsgFilterA(MSG* message, int code);

inline ATOM RegisterClass(const WNDCLASSA* windowClass) {
    return RegisterClassA(windowClass);
}
inline BOOL UnregisterClass(LPCSTR className, HINSTANCE instance) {
    return UnregisterClassA(className, instance);
}
inline int GetClassName(HWND window, LPSTR className, int size) {
    return GetClassNameA(window, className, size);
}
inline HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                           int y, int width, int height, HWND parent, HMENU menu,
                           HINSTANCE instance, LPVOID param) {
    return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                           instance, param);
}
inline HWND CreateWindow(LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                         int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    return CreateWindowExA(0, className, windowName, style, x, y, width, height, parent, menu,
                           instance, param);
}
inline LONG_PTR GetWindowLongPtr(HWND window, int index) {
    return GetWindowLongPtrA(window, index);
}
inline LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
    return SetWindowLongPtrA(window, index, value);
}
inline LONG GetWindowLong(HWND window, int index) {
    return GetWindowLongA(window, index);
}
inline LONG SetWindowLong(HWND window, int index, LONG value) {
    return SetWindowLongA(window, index, value);
}
inline LRESULT CallWindowProc(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    return CallWindowProcA(procedure, window, message, wParam, lParam);
}
inline LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
inline BOOL SetProp(HWND window, LPCSTR name, HANDLE data) {
    return SetPropA(window, name, data);
}
inline HANDLE GetProp(HWND window, LPCSTR name) {
    return GetPropA(window, name);
}
inline HANDLE RemoveProp(HWND window, LPCSTR name) {
    return RemovePropA(window, name);
}
inline BOOL SetWindowText(HWND window, LPCSTR text) {
    return SetWindowTextA(window, text);
}
inline int GetWindowText(HWND window, LPSTR text, int size) {
    return GetWindowTextA(window, text, size);
}
inline int GetWindowTextLength(HWND window) {
    return GetWindowTextLengthA(window);
}
inline LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(window, message, wParam, lParam);
}
inline BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessageA(window, message, wParam, lParam);
}
inline BOOL GetMessage(MSG* message, HWND window, UINT first, UINT last) {
    return GetMessageA(message, window, first, last);
}
inline BOOL PeekMessage(MSG* message, HWND window, UINT first, UINT last, UINT remove) {
    return PeekMessageA(message, window, first, last, remove);
}
inline LRESULT DispatchMessage(const MSG* message) {
    return DispatchMessageA(message);
}
inline HHOOK SetWindowsHookEx(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread) {
    return SetWindowsHookExA(kind, procedure, module, thread);
}
inline BOOL CallMsgFilter(MSG* message, int code) {
    return CallMsgFilterA(message, code);
}

// Dialogs, built from the tables of platform/win32/dialog_template.h.
namespace win32 {
struct DialogTemplate;
}
WIN32API INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                                 DLGPROC procedure, LPARAM param);
WIN32API INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, const win32::DialogTemplate* dialog,
                                         HWND owner, DLGPROC procedure, LPARAM param);
WIN32API HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                                 DLGPROC procedure, LPARAM param);
WIN32API HWND CreateDialogIndirectParamA(HINSTANCE instance, const win32::DialogTemplate* dialog,
                                         HWND owner, DLGPROC procedure, LPARAM param);
WIN32API BOOL EndDialog(HWND dialog, INT_PTR result);
WIN32API LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
WIN32API BOOL IsDialogMessageA(HWND dialog, MSG* message);
WIN32API BOOL MapDialogRect(HWND dialog, RECT* rect);
WIN32API LONG GetDialogBaseUnits();
WIN32API HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
WIN32API HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
WIN32API LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                     LPARAM lParam);
WIN32API BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
WIN32API UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int size);
WIN32API BOOL CheckDlgButton(HWND dialog, int id, UINT check);
WIN32API UINT IsDlgButtonChecked(HWND dialog, int id);

inline INT_PTR DialogBoxParam(HINSTANCE instance, LPCSTR templateName, HWND owner,
                              DLGPROC procedure, LPARAM param) {
    return DialogBoxParamA(instance, templateName, owner, procedure, param);
}
inline HWND CreateDialogParam(HINSTANCE instance, LPCSTR templateName, HWND owner,
                              DLGPROC procedure, LPARAM param) {
    return CreateDialogParamA(instance, templateName, owner, procedure, param);
}
inline BOOL IsDialogMessage(HWND dialog, MSG* message) {
    return IsDialogMessageA(dialog, message);
}
inline LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}
inline BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) {
    return SetDlgItemTextA(dialog, id, text);
}
inline UINT GetDlgItemText(HWND dialog, int id, LPSTR text, int size) {
    return GetDlgItemTextA(dialog, id, text, size);
}
