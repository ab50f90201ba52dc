#pragma once
// A callback that records every message it gets, for tests of message delivery.
#include "platform/Window.h"
#include <vector>

struct LoggedMessage {
    WindowHandle window;
    unsigned message;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<LoggedMessage>& Log() {
    static std::vector<LoggedMessage> log;
    return log;
}

// The logged messages of one number, in order.
inline std::vector<LoggedMessage> Logged(unsigned message) {
    std::vector<LoggedMessage> found;
    for (const LoggedMessage& m : Log())
        if (m.message == message) found.push_back(m);
    return found;
}

// The command ids (low 16 bits of wParam) sent to a window, in order.
inline std::vector<unsigned> CommandsOf(WindowHandle window) {
    std::vector<unsigned> ids;
    for (const LoggedMessage& m : Logged(WM_COMMAND))
        if (m.window == window) ids.push_back(LOWORD(m.wParam));
    return ids;
}

// Records and returns 0, leaving everything to the default handling.
inline LRESULT RecordingProc(WindowHandle window, unsigned message, WPARAM wParam, LPARAM lParam) {
    Log().push_back({window, message, wParam, lParam});
    return 0;
}
