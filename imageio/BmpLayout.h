#pragma once
// Whether a BMP file holds all the pixel data its header announces: the decoder fills
// what is missing with black and calls it a success.
#include <span>

// True when the file ends before its pixel rows do: uncompressed rows by the size the
// header states, run-length encoded ones when their codes end before the end of the
// picture (its marker, or the end of its last row). False for whatever else the decoder
// is left to judge.
bool BmpCutShort(std::span<const unsigned char> bytes);
