#pragma once
// The pointer's shape over our canvases.
class QWidget;

// The widget takes the current shape now and every later one.
void TrackCursor(QWidget* widget);
