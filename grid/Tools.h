#pragma once
// The canvas's tools, one row each: the menu item that chooses it, the value of its
// button's mode that it stands for, the mouse button it answers, and what it does on a
// press, a drag (a mouse move) and a release, positions in view pixels. The menu bar, its
// check marks, the command dispatch and the canvas all read this table, so a new tool is
// one row and its functions.
#include <cstdint>
#include <span>

enum class MouseButton { Left, Right };

struct Tool {
    const char* menuText;
    unsigned commandId;
    std::int32_t mode; // the value of LeftButtonMode or RightButtonMode that chooses it
    MouseButton button;
    void (*press)(int x, int y);
    void (*drag)(int x, int y); // nullptr: a move does nothing
    void (*release)();          // nullptr: a release does nothing (a drag ends anyway)
};

// Every tool, each button's in the order of its menu. The first of each button is the
// one the program starts with, and its item starts checked.
std::span<const Tool> Tools();

// LeftButtonMode or RightButtonMode.
std::int32_t& ModeOf(MouseButton button);

// The tool that the button's mode chooses now; nullptr for a mode of no tool.
const Tool* ChosenTool(MouseButton button);

// The tool whose menu item has this command id; nullptr for none.
const Tool* ToolOfCommand(unsigned commandId);
