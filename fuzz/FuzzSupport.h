#pragma once
// Shared by the fuzz targets: a private folder for the files a target reads, the
// toolkit for the targets that need it, and a check that stops the run with a message.
#include <cstddef>
#include <cstdint>
#include <string>

// A private folder (ending with "/") for this process, on /dev/shm when there is one, so
// that the flushes of a safe save cost nothing; removed when the process ends.
const std::string& FuzzFolder();

// The application object (offscreen platform), message boxes answered OK without being
// shown, and the favourites file looked for in FuzzFolder.
void StartFuzzToolkit();

void WriteFileBytes(const std::string& path, const void* data, std::size_t size);
std::string ReadFileBytes(const std::string& path);

// A property that does not hold: prints what and aborts, so that libFuzzer keeps the input.
[[noreturn]] void PropertyFailed(const char* what, const std::string& detail = {});
#define FUZZ_CHECK(condition, ...)                                                                 \
    ((condition) ? void(0) : PropertyFailed(#condition, ##__VA_ARGS__))
