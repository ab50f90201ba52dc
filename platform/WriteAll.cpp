#include "platform/WriteAll.h"
#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

int injectedFailure = 0;
std::size_t bytesBeforeFailure = 0;

} // namespace

bool WriteAll(int fd, const void* data, std::size_t size) {
    std::size_t allowed = size;
    if (injectedFailure != 0) {
        allowed = std::min(size, bytesBeforeFailure);
        bytesBeforeFailure -= allowed;
    }
    const char* bytes = static_cast<const char*>(data);
    for (std::size_t left = allowed; left > 0;) {
        ssize_t written = write(fd, bytes, left);
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = ENOSPC;
        if (written <= 0) return false;
        bytes += written;
        left -= static_cast<std::size_t>(written);
    }
    if (allowed == size) return true;
    errno = injectedFailure;
    return false;
}

void SetWriteFailureForTesting(int error, std::size_t afterBytes) {
    injectedFailure = error;
    bytesBeforeFailure = afterBytes;
}
