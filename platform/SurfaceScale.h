#pragma once
// How many device pixels, each way, show one pixel of a surface (a canvas control's, the
// paper's through the view): a whole number k, so that every surface pixel is one sharp
// k x k block whatever the screen's device-pixel ratio.

// Device pixels a window takes: surfacePixels (its width and height in surface pixels,
// which grow with k) plus fixedPixels (menu bar and frame, device pixels, which do not).
struct WindowNeeds {
    int surfaceWidth, surfaceHeight;
    int fixedWidth, fixedHeight;
};

// The whole number nearest to the ratio (a half rounds up), lowered while the window at
// that k would not fit the screen's available area (device pixels), and never below 1.
int SurfaceScale(double ratio, int availableWidth, int availableHeight, const WindowNeeds& needs);
