// The settings file's reader and writer on any file content and any names and values.
// Properties: a write that succeeds makes the value read back (without its surrounding
// blanks) and changes no other key's value; writing the same again changes no byte; a
// refused write leaves the file as it was. Names are probed as the file spells them and
// as the input spells them, blanks and byte-order marks included. Now and then the file
// is made larger than any settings file of ours: then no key reads and no write is done.
#include "fuzz/FuzzSupport.h"
#include "platform/Profile.h"
#include "platform/ProfileText.h"
#include <algorithm>
#include <cctype>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

namespace {

struct KeyName {
    std::string section, key;
};

bool SameText(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool SameKey(const KeyName& a, const KeyName& b) {
    return SameText(ProfileName(a.section), ProfileName(b.section)) &&
           SameText(ProfileName(a.key), ProfileName(b.key));
}

// Every "[section]" and "key=" of the file as it spells them, each key with the section
// above it: a crude reading on purpose, independent of the one under test.
std::vector<KeyName> NamesIn(const std::string& content) {
    std::vector<KeyName> names;
    std::string section;
    std::size_t start = 0;
    while (start < content.size() && names.size() < 24) {
        std::size_t end = std::min(content.find('\n', start), content.size());
        std::string line = content.substr(start, end - start);
        std::size_t open = line.find('['), close = line.find(']'), equals = line.find('=');
        if (open != std::string::npos && (equals == std::string::npos || open < equals))
            section = line.substr(open + 1, close == std::string::npos ? close : close - open - 1);
        else if (equals != std::string::npos)
            names.push_back({section, line.substr(0, equals)});
        start = end + 1;
    }
    return names;
}

const std::string Missing = "\x01missing";

std::string Read(const KeyName& name, const std::string& path) {
    return GetPrivateProfileString(name.section, name.key, Missing, path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string path = FuzzFolder() + "Configuracion.ini";
    std::string content = input.ConsumeRandomLengthString(4096);
    const bool tooLarge = input.ConsumeIntegralInRange(0, 7) == 7;
    if (tooLarge) content += "\n" + std::string(MaxProfileSize, '#');
    WriteFileBytes(path, content.data(), content.size());
    std::vector<KeyName> probes = NamesIn(content);
    probes.push_back({"Multiple", "ancho"});
    if (tooLarge)
        for (const KeyName& probe : probes)
            FUZZ_CHECK(Read(probe, path) == Missing, "a file too large to be ours was read");
    for (int write = 0; write < 4 && input.remaining_bytes() > 0; ++write) {
        KeyName name{input.ConsumeRandomLengthString(24), input.ConsumeRandomLengthString(24)};
        const std::string value = input.ConsumeRandomLengthString(24);
        probes.push_back(name);
        std::vector<std::string> before;
        for (const KeyName& probe : probes) before.push_back(Read(probe, path));
        const std::string old = ReadFileBytes(path);

        if (!WritePrivateProfileString(name.section, name.key, value, path)) {
            FUZZ_CHECK(ReadFileBytes(path) == old, "a refused write changed the file");
            continue;
        }
        FUZZ_CHECK(!tooLarge, "a file too large to be ours was rewritten");
        FUZZ_CHECK(Read(name, path) == Trimmed(value), "the written value does not read back");
        for (std::size_t i = 0; i < probes.size(); ++i)
            if (!SameKey(probes[i], name))
                FUZZ_CHECK(Read(probes[i], path) == before[i],
                           "writing [" + name.section + "] " + name.key +
                               " changed the value of [" + probes[i].section + "] " +
                               probes[i].key);
        const std::string written = ReadFileBytes(path);
        FUZZ_CHECK(WritePrivateProfileString(name.section, name.key, value, path));
        FUZZ_CHECK(ReadFileBytes(path) == written, "the same write again changed the file");
    }
    return 0;
}
