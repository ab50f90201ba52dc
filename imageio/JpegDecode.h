#pragma once
// The JPEG decoder fills a picture whose data ends early with grey and calls it a success;
// such a file is damaged and is refused instead, so a partial picture is never edited and
// saved. A file that lacks only its end marker, or has stray bytes between its segments,
// holds the whole picture and is not refused.
#include <cstddef>

// True when the decoder runs out of the JPEG's bytes before it has all the image data:
// the data ends inside a scan, or before every component (in a progressive file, every
// refinement) has had its scan.
bool JpegEndsEarly(const unsigned char* bytes, std::size_t size);
