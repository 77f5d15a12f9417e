// The constants the program's windows pass to the framework: messages, notifications, styles,
// drawing and common dialog flags, in the values Windows gives them.
#pragma once

#include "WinTypes.h"

// OPAQUE and TRANSPARENT are macros in some system headers; set aside as in WinTypes.h.
#pragma push_macro("OPAQUE")
#pragma push_macro("TRANSPARENT")
#undef OPAQUE
#undef TRANSPARENT

namespace zyfo {

// Messages that command tables map.
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
inline constexpr UINT WM_TIMER = 0x0113;

// Control notifications.
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT EN_KILLFOCUS = 0x0200;
inline constexpr UINT EN_CHANGE = 0x0300;
inline constexpr UINT UDN_DELTAPOS = 0U - 722U;
inline constexpr UINT DTN_DATETIMECHANGE = 0U - 759U;
inline constexpr DWORD GDT_VALID = 0;

// Dialog and message box results, message box types.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr UINT MB_OK = 0x00;
inline constexpr UINT MB_YESNO = 0x04;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;

// Window operations.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_ERASE = 0x0004;
inline constexpr UINT RDW_UPDATENOW = 0x0100;
inline constexpr UINT SIZE_RESTORED = 0;
inline constexpr UINT SIZE_MAXIMIZED = 2;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT HELP_CONTEXT = 0x0001;

// System metrics.
inline constexpr int SM_CYDLGFRAME = 8;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

// Virtual keys that key-down messages carry.
inline constexpr WPARAM VK_RETURN = 0x0D;
inline constexpr WPARAM VK_ESCAPE = 0x1B;
inline constexpr WPARAM VK_HOME = 0x24;
inline constexpr WPARAM VK_LEFT = 0x25;
inline constexpr WPARAM VK_RIGHT = 0x27;
inline constexpr WPARAM VK_ADD = 0x6B;
inline constexpr WPARAM VK_SUBTRACT = 0x6D;

// Mouse messages' flags: the left button is held down.
inline constexpr UINT MK_LBUTTON = 0x0001;
// One notch of the mouse wheel.
inline constexpr short WHEEL_DELTA = 120;

// Window and control styles of dialog templates.
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD BS_PUSHBUTTON = 0x0;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x3;
inline constexpr DWORD BS_TYPEMASK = 0xF;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr DWORD ES_NUMBER = 0x2000;
inline constexpr DWORD SS_LEFT = 0x00;
inline constexpr DWORD SS_GRAYRECT = 0x05;
inline constexpr DWORD SS_BITMAP = 0x0E;
inline constexpr DWORD SS_TYPEMASK = 0x1F;
inline constexpr DWORD SS_SUNKEN = 0x1000;
inline constexpr DWORD CBS_DROPDOWNLIST = 0x3;
inline constexpr DWORD UDS_SETBUDDYINT = 0x02;
inline constexpr DWORD UDS_AUTOBUDDY = 0x10;
inline constexpr DWORD UDS_ARROWKEYS = 0x20;
inline constexpr DWORD UDS_NOTHOUSANDS = 0x80;
inline constexpr DWORD DTS_UPDOWN = 0x01;
inline constexpr DWORD DTS_SHORTDATEFORMAT = 0x00;
inline constexpr DWORD DTS_TIMEFORMAT = 0x09;
inline constexpr DWORD DTS_RIGHTALIGN = 0x20;
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// Drawing.
inline constexpr UINT DT_LEFT = 0x000;
inline constexpr UINT DT_TOP = 0x000;
inline constexpr UINT DT_CENTER = 0x001;
inline constexpr UINT DT_RIGHT = 0x002;
inline constexpr UINT DT_VCENTER = 0x004;
inline constexpr UINT DT_BOTTOM = 0x008;
inline constexpr UINT DT_SINGLELINE = 0x020;
inline constexpr UINT DT_NOCLIP = 0x100;
inline constexpr UINT DT_CALCRECT = 0x400;
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
inline constexpr int PS_SOLID = 0;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_MEDIUM = 500;
inline constexpr int FW_BOLD = 700;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int CLIP_LH_ANGLES = 0x10;
inline constexpr DWORD SRCCOPY = 0x00CC0020;

// Device capabilities.
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int PHYSICALOFFSETX = 112;
inline constexpr int PHYSICALOFFSETY = 113;
inline constexpr int SP_ERROR = -1;

// Common dialog flags.
inline constexpr DWORD CC_FULLOPEN = 0x0002;
inline constexpr DWORD PD_RETURNDC = 0x0100;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x0002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x0004;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

} // namespace zyfo

#pragma pop_macro("TRANSPARENT")
#pragma pop_macro("OPAQUE")
