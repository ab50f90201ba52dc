// One pointer shape for all canvases: SetCursor applies it to every live one, and a new
// canvas starts with it.
#include "platform/Cursors.h"
#include "platform/Window.h"
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

CursorKind current = CursorKind::Arrow;
std::vector<QPointer<QWidget>> tracked;

Qt::CursorShape ShapeOf(CursorKind kind) {
    return kind == CursorKind::Cross ? Qt::CrossCursor : Qt::ArrowCursor;
}

} // namespace

void TrackCursor(QWidget* widget) {
    std::erase_if(tracked, [](const QPointer<QWidget>& w) { return w.isNull(); });
    tracked.emplace_back(widget);
    widget->setCursor(ShapeOf(current));
}

void SetCursor(CursorKind cursor) {
    // Every tracked widget has the current shape already; drags set it on every step.
    if (cursor == current) return;
    current = cursor;
    for (const QPointer<QWidget>& widget : tracked)
        if (widget) widget->setCursor(ShapeOf(cursor));
}

CursorKind CurrentCursor() { return current; }
