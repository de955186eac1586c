// Input, focus, cursors and time of the USER subset.
//
// Mouse messages go to the window holding the capture, else to the deepest visible, enabled
// window under the pointer (a click on a disabled child goes to its parent; a disabled top-level
// window gets nothing). Keys and characters go to the focus window; the wheel goes to the focus
// window too, with the pointer in screen coordinates.
#pragma once

#include "platform/win32/WinMessages.h"

// ---- virtual keys (the platform's whole table; which keys a backend can deliver is its own
// matter: a key it has no code for never arrives)
constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_RBUTTON = 0x02;
constexpr UINT VK_CANCEL = 0x03;
constexpr UINT VK_MBUTTON = 0x04;
constexpr UINT VK_XBUTTON1 = 0x05;
constexpr UINT VK_XBUTTON2 = 0x06;
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_CLEAR = 0x0C;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_PAUSE = 0x13;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_KANA = 0x15;
constexpr UINT VK_HANGEUL = 0x15;
constexpr UINT VK_HANGUL = 0x15;
constexpr UINT VK_IME_ON = 0x16;
constexpr UINT VK_JUNJA = 0x17;
constexpr UINT VK_FINAL = 0x18;
constexpr UINT VK_HANJA = 0x19;
constexpr UINT VK_KANJI = 0x19;
constexpr UINT VK_IME_OFF = 0x1A;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_CONVERT = 0x1C;
constexpr UINT VK_NONCONVERT = 0x1D;
constexpr UINT VK_ACCEPT = 0x1E;
constexpr UINT VK_MODECHANGE = 0x1F;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_SELECT = 0x29;
constexpr UINT VK_PRINT = 0x2A;
constexpr UINT VK_EXECUTE = 0x2B;
constexpr UINT VK_SNAPSHOT = 0x2C;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their own virtual keys.
constexpr UINT VK_LWIN = 0x5B;
constexpr UINT VK_RWIN = 0x5C;
constexpr UINT VK_APPS = 0x5D;
constexpr UINT VK_SLEEP = 0x5F;
constexpr UINT VK_NUMPAD0 = 0x60;
constexpr UINT VK_NUMPAD1 = 0x61;
constexpr UINT VK_NUMPAD2 = 0x62;
constexpr UINT VK_NUMPAD3 = 0x63;
constexpr UINT VK_NUMPAD4 = 0x64;
constexpr UINT VK_NUMPAD5 = 0x65;
constexpr UINT VK_NUMPAD6 = 0x66;
constexpr UINT VK_NUMPAD7 = 0x67;
constexpr UINT VK_NUMPAD8 = 0x68;
constexpr UINT VK_NUMPAD9 = 0x69;
constexpr UINT VK_MULTIPLY = 0x6A;
constexpr UINT VK_ADD = 0x6B;
constexpr UINT VK_SEPARATOR = 0x6C;
constexpr UINT VK_SUBTRACT = 0x6D;
constexpr UINT VK_DECIMAL = 0x6E;
constexpr UINT VK_DIVIDE = 0x6F;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F2 = 0x71;
constexpr UINT VK_F3 = 0x72;
constexpr UINT VK_F4 = 0x73;
constexpr UINT VK_F5 = 0x74;
constexpr UINT VK_F6 = 0x75;
constexpr UINT VK_F7 = 0x76;
constexpr UINT VK_F8 = 0x77;
constexpr UINT VK_F9 = 0x78;
constexpr UINT VK_F10 = 0x79;
constexpr UINT VK_F11 = 0x7A;
constexpr UINT VK_F12 = 0x7B;
constexpr UINT VK_F13 = 0x7C;
constexpr UINT VK_F14 = 0x7D;
constexpr UINT VK_F15 = 0x7E;
constexpr UINT VK_F16 = 0x7F;
constexpr UINT VK_F17 = 0x80;
constexpr UINT VK_F18 = 0x81;
constexpr UINT VK_F19 = 0x82;
constexpr UINT VK_F20 = 0x83;
constexpr UINT VK_F21 = 0x84;
constexpr UINT VK_F22 = 0x85;
constexpr UINT VK_F23 = 0x86;
constexpr UINT VK_F24 = 0x87;
constexpr UINT VK_NAVIGATION_VIEW = 0x88;
constexpr UINT VK_NAVIGATION_MENU = 0x89;
constexpr UINT VK_NAVIGATION_UP = 0x8A;
constexpr UINT VK_NAVIGATION_DOWN = 0x8B;
constexpr UINT VK_NAVIGATION_LEFT = 0x8C;
constexpr UINT VK_NAVIGATION_RIGHT = 0x8D;
constexpr UINT VK_NAVIGATION_ACCEPT = 0x8E;
constexpr UINT VK_NAVIGATION_CANCEL = 0x8F;
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_SCROLL = 0x91;
constexpr UINT VK_OEM_NEC_EQUAL = 0x92;
constexpr UINT VK_OEM_FJ_JISHO = 0x92;
constexpr UINT VK_OEM_FJ_MASSHOU = 0x93;
constexpr UINT VK_OEM_FJ_TOUROKU = 0x94;
constexpr UINT VK_OEM_FJ_LOYA = 0x95;
constexpr UINT VK_OEM_FJ_ROYA = 0x96;
constexpr UINT VK_LSHIFT = 0xA0;
constexpr UINT VK_RSHIFT = 0xA1;
constexpr UINT VK_LCONTROL = 0xA2;
constexpr UINT VK_RCONTROL = 0xA3;
constexpr UINT VK_LMENU = 0xA4;
constexpr UINT VK_RMENU = 0xA5;
constexpr UINT VK_BROWSER_BACK = 0xA6;
constexpr UINT VK_BROWSER_FORWARD = 0xA7;
constexpr UINT VK_BROWSER_REFRESH = 0xA8;
constexpr UINT VK_BROWSER_STOP = 0xA9;
constexpr UINT VK_BROWSER_SEARCH = 0xAA;
constexpr UINT VK_BROWSER_FAVORITES = 0xAB;
constexpr UINT VK_BROWSER_HOME = 0xAC;
constexpr UINT VK_VOLUME_MUTE = 0xAD;
constexpr UINT VK_VOLUME_DOWN = 0xAE;
constexpr UINT VK_VOLUME_UP = 0xAF;
constexpr UINT VK_MEDIA_NEXT_TRACK = 0xB0;
constexpr UINT VK_MEDIA_PREV_TRACK = 0xB1;
constexpr UINT VK_MEDIA_STOP = 0xB2;
constexpr UINT VK_MEDIA_PLAY_PAUSE = 0xB3;
constexpr UINT VK_LAUNCH_MAIL = 0xB4;
constexpr UINT VK_LAUNCH_MEDIA_SELECT = 0xB5;
constexpr UINT VK_LAUNCH_APP1 = 0xB6;
constexpr UINT VK_LAUNCH_APP2 = 0xB7;
constexpr UINT VK_OEM_1 = 0xBA;       // ;:
constexpr UINT VK_OEM_PLUS = 0xBB;    // =+
constexpr UINT VK_OEM_COMMA = 0xBC;   // ,<
constexpr UINT VK_OEM_MINUS = 0xBD;   // -_
constexpr UINT VK_OEM_PERIOD = 0xBE;  // .>
constexpr UINT VK_OEM_2 = 0xBF;       // /?
constexpr UINT VK_OEM_3 = 0xC0;       // `~
constexpr UINT VK_GAMEPAD_A = 0xC3;
constexpr UINT VK_GAMEPAD_B = 0xC4;
constexpr UINT VK_GAMEPAD_X = 0xC5;
constexpr UINT VK_GAMEPAD_Y = 0xC6;
constexpr UINT VK_GAMEPAD_RIGHT_SHOULDER = 0xC7;
constexpr UINT VK_GAMEPAD_LEFT_SHOULDER = 0xC8;
constexpr UINT VK_GAMEPAD_LEFT_TRIGGER = 0xC9;
constexpr UINT VK_GAMEPAD_RIGHT_TRIGGER = 0xCA;
constexpr UINT VK_GAMEPAD_DPAD_UP = 0xCB;
constexpr UINT VK_GAMEPAD_DPAD_DOWN = 0xCC;
constexpr UINT VK_GAMEPAD_DPAD_LEFT = 0xCD;
constexpr UINT VK_GAMEPAD_DPAD_RIGHT = 0xCE;
constexpr UINT VK_GAMEPAD_MENU = 0xCF;
constexpr UINT VK_GAMEPAD_VIEW = 0xD0;
constexpr UINT VK_GAMEPAD_LEFT_THUMBSTICK_BUTTON = 0xD1;
constexpr UINT VK_GAMEPAD_RIGHT_THUMBSTICK_BUTTON = 0xD2;
constexpr UINT VK_GAMEPAD_LEFT_THUMBSTICK_UP = 0xD3;
constexpr UINT VK_GAMEPAD_LEFT_THUMBSTICK_DOWN = 0xD4;
constexpr UINT VK_GAMEPAD_LEFT_THUMBSTICK_RIGHT = 0xD5;
constexpr UINT VK_GAMEPAD_LEFT_THUMBSTICK_LEFT = 0xD6;
constexpr UINT VK_GAMEPAD_RIGHT_THUMBSTICK_UP = 0xD7;
constexpr UINT VK_GAMEPAD_RIGHT_THUMBSTICK_DOWN = 0xD8;
constexpr UINT VK_GAMEPAD_RIGHT_THUMBSTICK_RIGHT = 0xD9;
constexpr UINT VK_GAMEPAD_RIGHT_THUMBSTICK_LEFT = 0xDA;
constexpr UINT VK_OEM_4 = 0xDB;       // [{
constexpr UINT VK_OEM_5 = 0xDC;       // \|
constexpr UINT VK_OEM_6 = 0xDD;       // ]}
constexpr UINT VK_OEM_7 = 0xDE;       // '"
constexpr UINT VK_OEM_8 = 0xDF;
constexpr UINT VK_OEM_AX = 0xE1;
constexpr UINT VK_OEM_102 = 0xE2;
constexpr UINT VK_ICO_HELP = 0xE3;
constexpr UINT VK_ICO_00 = 0xE4;
constexpr UINT VK_PROCESSKEY = 0xE5;
constexpr UINT VK_ICO_CLEAR = 0xE6;
constexpr UINT VK_PACKET = 0xE7;
constexpr UINT VK_OEM_RESET = 0xE9;
constexpr UINT VK_OEM_JUMP = 0xEA;
constexpr UINT VK_OEM_PA1 = 0xEB;
constexpr UINT VK_OEM_PA2 = 0xEC;
constexpr UINT VK_OEM_PA3 = 0xED;
constexpr UINT VK_OEM_WSCTRL = 0xEE;
constexpr UINT VK_OEM_CUSEL = 0xEF;
constexpr UINT VK_OEM_ATTN = 0xF0;
constexpr UINT VK_OEM_FINISH = 0xF1;
constexpr UINT VK_OEM_COPY = 0xF2;
constexpr UINT VK_OEM_AUTO = 0xF3;
constexpr UINT VK_OEM_ENLW = 0xF4;
constexpr UINT VK_OEM_BACKTAB = 0xF5;
constexpr UINT VK_ATTN = 0xF6;
constexpr UINT VK_CRSEL = 0xF7;
constexpr UINT VK_EXSEL = 0xF8;
constexpr UINT VK_EREOF = 0xF9;
constexpr UINT VK_PLAY = 0xFA;
constexpr UINT VK_ZOOM = 0xFB;
constexpr UINT VK_NONAME = 0xFC;
constexpr UINT VK_PA1 = 0xFD;
constexpr UINT VK_OEM_CLEAR = 0xFE;

// High bit (the result is negative): the key is down. Low bit: the key is toggled (Caps Lock
// and Num Lock mean it; every key flips it on each press). GetKeyState follows the messages
// taken from the queue so far; GetAsyncKeyState follows the input as it arrives.
SHORT GetKeyState(int vk);
SHORT GetAsyncKeyState(int vk);

// ---- mouse
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;
constexpr int WHEEL_DELTA = 120;
#define GET_WHEEL_DELTA_WPARAM(w) ((short)HIWORD(w))
#define GET_KEYSTATE_WPARAM(w) (LOWORD(w))

constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
struct TRACKMOUSEEVENT {
  DWORD cbSize;
  DWORD dwFlags;
  HWND hwndTrack;
  DWORD dwHoverTime;
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

// Posts WM_MOUSELEAVE once the pointer leaves the window's client area (at once when it is not
// inside now). Only TME_LEAVE, with TME_CANCEL or TME_QUERY, is supported.
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT tme);
BOOL GetCursorPos(LPPOINT out);
UINT GetDoubleClickTime();  // 500 ms; a second press within it and within SM_C?DOUBLECLK is a double click

// ---- capture, focus and activation
HWND SetCapture(HWND hwnd);  // returns the previous capture window
BOOL ReleaseCapture();
HWND GetCapture();
// Refused (NULL) for a window that is, or lies in, a disabled window. Returns the previous focus.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();

// ---- cursors
#define IDC_ARROW MAKEINTRESOURCEW(32512)
#define IDC_IBEAM MAKEINTRESOURCEW(32513)
#define IDC_WAIT MAKEINTRESOURCEW(32514)
#define IDC_CROSS MAKEINTRESOURCEW(32515)
#define IDC_SIZENWSE MAKEINTRESOURCEW(32642)
#define IDC_SIZENESW MAKEINTRESOURCEW(32643)
#define IDC_SIZEWE MAKEINTRESOURCEW(32644)
#define IDC_SIZENS MAKEINTRESOURCEW(32645)
#define IDC_SIZEALL MAKEINTRESOURCEW(32646)
#define IDC_NO MAKEINTRESOURCEW(32648)
#define IDC_HAND MAKEINTRESOURCEW(32649)

// The system cursors are shared: each id gives the same handle every time, and destroying one
// leaves it in place. A cursor of an application module is not supported (NULL).
HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name);
HCURSOR SetCursor(HCURSOR cursor);  // returns the previous cursor
HCURSOR GetCursor();
BOOL DestroyCursor(HCURSOR cursor);
#define LoadCursor LoadCursorW

// ---- caret
UINT GetCaretBlinkTime();  // 530 ms

// ---- timers and time
constexpr UINT USER_TIMER_MINIMUM = 0x0000000A;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;
using TIMERPROC = void(CALLBACK*)(HWND, UINT, UINT_PTR, DWORD);

// Milliseconds on the platform clock, which the backend drives.
DWORD GetTickCount();
ULONGLONG GetTickCount64();
// A timer of a window is named by (window, id) and replaced when set again; a timer without a
// window gets a fresh id. Elapses are clamped to the USER_TIMER_ range. WM_TIMER is made when
// the queue is read and the timer is due; a late timer fires once, not once per period missed.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
