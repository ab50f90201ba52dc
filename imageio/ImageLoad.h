#pragma once
#include "gfx/Drawing.h"
#include <string>

// The caption of messages that are given none of their own.
extern const char* const DefaultCaption; // "Colvero"

// The image codec service: StartCodecService answers whether the codecs are available.
bool StartCodecService();
void StopCodecService();

// A new surface holding the image file at one surface pixel per image pixel (width or
// height 0: the image's own), transparent pixels blended onto white; 0 after showing
// its message when the file is missing or cannot be read.
SurfaceHandle GraphicLoadImageFileToBitmap(const std::string& path, int width, int height);

// Start-up's loading: the image file as GraphicLoadImageFileToBitmap(path, 0, 0) loads it,
// except that a picture whose header states a side above maxSide is not decoded at all:
// then 0, without a message, and that size in width and height (left alone otherwise).
SurfaceHandle LoadImageFileWithin(const std::string& path, int maxSide, int& width, int& height);
