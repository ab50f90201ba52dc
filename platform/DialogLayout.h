#pragma once
// Where a dialog's positions (pixels, as the dialog was laid out at one device pixel per
// surface pixel) go in the toolkit's units once its canvases show each surface pixel as k
// device pixels: along each axis, the stretches that canvases cover take `unitsPerPixel`
// (k divided by the screen's ratio) units a pixel, the rest of the dialog one unit a
// pixel, as the toolkit shows its own controls and text.
#include <utility>
#include <vector>

class AxisStretch {
  public:
    // spans: [from, to) of each canvas along the axis; they may overlap.
    AxisStretch(std::vector<std::pair<int, int>> spans, double unitsPerPixel);
    // Units from the dialog's edge to the position.
    double At(int position) const;

  private:
    std::vector<std::pair<int, int>> spans_; // sorted, overlaps merged
    double unitsPerPixel_;
};

// The smallest whole number not below v, where v is a whole number give or take what
// floating point loses on the way (a device pixel's edge computed from units and back).
int RoundUp(double v);
