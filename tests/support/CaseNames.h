#pragma once
// Names of parameterised cases: test names take letters, digits and '_' only.
#include <cctype>
#include <string>

// The text with every other character turned into '_'.
inline std::string CaseName(std::string text) {
    for (char& c : text)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return text;
}
