#pragma once
// Message numbers, codes and style bits with the platform's own names and values.
#include <cstdint>

// Messages
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_NCACTIVATE = 0x0086;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_INITDIALOG = 0x0110;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_SYSCOMMAND = 0x0112;
constexpr unsigned WM_MOUSEMOVE = 0x0200;
constexpr unsigned WM_LBUTTONDOWN = 0x0201;
constexpr unsigned WM_LBUTTONUP = 0x0202;
constexpr unsigned WM_RBUTTONDOWN = 0x0204;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;

constexpr std::uintptr_t SC_CLOSE = 0xF060;
constexpr int WHEEL_DELTA = 120;

// Key and button state in wParam of the mouse messages
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;

// Notification codes and standard command ids
constexpr unsigned BN_CLICKED = 0;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Virtual-key codes
constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_PRIOR = 0x21; // Page Up
constexpr unsigned VK_NEXT = 0x22;  // Page Down
constexpr unsigned VK_END = 0x23;
constexpr unsigned VK_HOME = 0x24;
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;

// Window styles
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_THICKFRAME = 0x00040000;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000;
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t DS_MODALFRAME = 0x0080;
constexpr std::uint32_t DS_3DLOOK = 0x0004;
constexpr std::uint32_t DS_SETFONT = 0x0040;
constexpr std::uint32_t DS_NOFAILCREATE = 0x0010;
constexpr std::uint32_t DS_CENTER = 0x0800;
constexpr std::uint32_t ES_CENTER = 0x0001;
constexpr std::uint32_t ES_NUMBER = 0x2000;
constexpr std::uint32_t SS_CENTER = 0x0001;
constexpr std::uint32_t SS_NOTIFY = 0x0100;
constexpr std::uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;

// Message box styles and answers
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr unsigned MB_SETFOREGROUND = 0x10000;

// Menu flags and item states
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_POPUP = 0x0010;
constexpr unsigned MF_SEPARATOR = 0x0800;
constexpr unsigned MFS_CHECKED = 0x0008;
constexpr unsigned MFS_DISABLED = 0x0003;
