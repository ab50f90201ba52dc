#pragma once
// The text of a private-profile file: lines, "[section]" headers and "key=value" entries.
// Names match without regard to case; blanks around names and values are not part of them.
// The text is looked at where it lies, line by line, so a file costs its own size in
// memory and nothing per line.
#include <string>
#include <string_view>

// Where a key lies: byte offsets into the text. Only the first section of the name counts,
// and in it the first entry of the key. LF and CR LF line ends are read alike; the names
// are compared as ProfileName makes them.
struct KeyPlace {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t keyStart = 0, keyEnd = 0; // the entry's line, without its line end
    // Where a new entry goes: just after the section's last line that is not blank (its
    // header at least), line end included; the end of the text when there is no section.
    std::size_t end = 0;
    std::string value; // the entry's value, without surrounding blanks
};
KeyPlace FindKey(std::string_view text, const std::string& section, const std::string& key);

// The text's own line end (that of its first line), LF when it has none.
std::string LineEnd(std::string_view text);

// Blanks and tabs cut from both ends.
std::string Trimmed(std::string_view text);
// A section or key name as the file holds it: without surrounding blanks and tabs and
// without leading byte-order marks. Reading and writing both go by this one form.
std::string ProfileName(std::string_view text);
