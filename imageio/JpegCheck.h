#pragma once
// The JPEG decoder fills a file that ends early with grey and calls it a success; a cut
// file is damaged and is refused instead, so a partial picture is never edited and saved.
#include <cstddef>

// True when the bytes are a JPEG stream that runs from its start marker through every
// segment and scan to its end marker (bytes after the end marker are allowed).
bool JpegIsComplete(const unsigned char* bytes, std::size_t size);
