#pragma once
// Opening a picture file for the codecs.
#include <QFile>
#include <string>

// Opens a regular file by its name as it stands: names are bytes, whatever their
// encoding. Without blocking, so a pipe or a device of that name is simply not a picture.
bool OpenRegularFile(const std::string& path, QFile& file);
