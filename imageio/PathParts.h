#pragma once
// Pieces of a file path, on a platform whose folder separator is "/".
#include <string>

// True only when path names an entry that is not a directory; an empty path never does.
bool IsExistingFile(const std::string& path);

// Everything up to and including the last "/" (empty when there is none).
std::string FolderOf(const std::string& path);

// What follows the folder: the file name with its extension.
std::string NameOf(const std::string& path);

// The file name's extension from its last ".", dot included, in lower case (ASCII);
// empty when the name has no dot.
std::string ExtensionOf(const std::string& path);
