#pragma once
// Extended attributes - access lists (system.posix_acl_access), user.* and security.*
// attributes - carried from an old file to the new one that replaces it.
#include <string>

// Gives the open file exactly the extended attributes that the file at path has, as far
// as this process can see them; 0 when done, else the errno of the step that failed.
int MatchExtendedAttributes(const std::string& path, int fd);
