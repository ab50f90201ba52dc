#pragma once
// Plain handle and message types shared by every folder. No Qt here: gfx/ and the
// model code name windows by these handles without linking the window layer.
#include <cstdint>

struct WindowObject;
using WindowHandle = WindowObject*; // a dialog, a main window or one of their controls
struct MenuObject;
using MenuHandle = MenuObject*;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A window callback: (window, message, wParam, lParam). Dialog callbacks return 0 to
// leave the message to the default dialog handling, non-zero when they handled it.
using WindowProc = LRESULT (*)(WindowHandle, unsigned, WPARAM, LPARAM);

constexpr unsigned LOWORD(std::uintptr_t v) { return static_cast<unsigned>(v & 0xFFFF); }
constexpr unsigned HIWORD(std::uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
    return static_cast<LPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
