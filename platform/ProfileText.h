#pragma once
// The text of a private-profile file: lines, "[section]" headers and "key=value" entries.
// Names match without regard to case; blanks around names and values are not part of them.
#include <string>
#include <vector>

struct ProfileLine {
    std::string text;   // without its line end
    std::string ending; // "\n", "\r\n", or "" for a last line without one
};

// Reads LF and CR LF line ends alike; any bytes at all make some lines.
std::vector<ProfileLine> SplitLines(const std::string& content);
std::string JoinLines(const std::vector<ProfileLine>& lines);

// Where a key lies: indices into the lines, -1 for none. Only the first section of the
// name counts, and in it the first entry of the key. The names are compared as
// ProfileName makes them.
struct KeyPlace {
    int sectionLine = -1;
    int keyLine = -1;
    int lastLine = -1; // the section's last line that is not blank (its header at least)
    std::string value; // the entry's value, without surrounding blanks
};
KeyPlace FindKey(const std::vector<ProfileLine>& lines, const std::string& section,
                 const std::string& key);

// Blanks and tabs cut from both ends.
std::string Trimmed(const std::string& text);
// A section or key name as the file holds it: without surrounding blanks and tabs and
// without leading byte-order marks. Reading and writing both go by this one form.
std::string ProfileName(const std::string& text);
