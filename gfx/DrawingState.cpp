// The drawing state of the current target: colours, pen, position and justification.
#include "gfx/Drawing.h"
#include "gfx/Target.h"

void SetColours(Colour fore, Colour back) {
    Surface* s = CurrentTarget.surface;
    if (!s) return;
    DrawingState& state = s->state;
    if (fore == ColourDefault)
        state.foreground = SystemWindowText;
    else if (fore != ColourUnchanged)
        state.foreground = fore & 0xFFFFFF;

    if (back == ColourTransparent) {
        state.transparentBackground = true; // the colour itself is kept for later
    } else if (back != ColourUnchanged) {
        state.background = back == ColourDefault ? SystemButtonFace : back & 0xFFFFFF;
        state.transparentBackground = false;
    }
}

void SetPenWidth(int width) {
    if (CurrentTarget.surface) CurrentTarget.surface->state.penWidth = width;
}

void GetPosition(int& x, int& y) {
    const Surface* s = CurrentTarget.surface;
    x = s ? s->state.x : 0;
    y = s ? s->state.y : 0;
}

void SetPosition(int x, int y) {
    if (!CurrentTarget.surface) return;
    CurrentTarget.surface->state.x = x;
    CurrentTarget.surface->state.y = y;
}

// Like the platform's justification it stays in force until reset with (0, 0).
void SetTextJustification(DrawingContext context, int extra, int blanks) {
    if (!context.target_) return;
    bool none = extra == 0 || blanks <= 0;
    context.target_->state.justifyExtra = none ? 0 : extra;
    context.target_->state.justifyBlanks = none ? 0 : blanks;
}
