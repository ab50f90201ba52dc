#pragma once
// What we can write: the encoders, and which one a file's extension asks for.
#include <string>
#include <vector>

struct Encoder {
    const char* mime;   // "image/png"
    const char* format; // the codec's name for it; "gif" is written with giflib
    int quality;        // passed to the codec; -1: the codec's default
    int compression;    // passed to the codec; -1: the codec's default
};

// Every encoder, in the order FindEncoderByMime walks them.
const std::vector<Encoder>& Encoders();

// The MIME type that a lower-case extension (".png") asks for; empty when we write no
// format under that extension.
std::string MimeForExtension(const std::string& extension);

// The first encoder whose MIME type contains mime, ignoring case; nullptr when none does.
const Encoder* FindEncoder(const std::string& mime);
