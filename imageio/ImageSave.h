#pragma once
#include "gfx/Drawing.h"
#include <string>

// Writes the surface to path in the format its extension names, and tells the user
// whether it worked; true when it did. An existing file is replaced only by a complete new
// one.
bool GraphicSaveBitmapToImageFile(SurfaceHandle surface, const std::string& path);

// The first encoder we can write whose MIME type contains mime (case-insensitive);
// empty when none does.
std::string FindEncoderByMime(const std::string& mime);
