#pragma once
#include "gfx/Drawing.h"
#include <string>

// The caption of messages that are given none of their own.
extern const char* const DefaultCaption; // "Colvero"

// The image codec service: StartCodecService answers whether the codecs are available.
bool StartCodecService();
void StopCodecService();

// The size the image file's header states, in image pixels, read without decoding the
// picture; false when the file cannot be opened, is no picture the codecs read, or its
// format states no size in a header.
bool ReadImageSize(const std::string& path, int& width, int& height);

// A new surface holding the image file at one surface pixel per image pixel (width or
// height 0: the image's own), transparent pixels blended onto white; 0 after showing
// its message when the file is missing or cannot be read.
SurfaceHandle GraphicLoadImageFileToBitmap(const std::string& path, int width, int height);
