#pragma once
// Writing a whole buffer to a file descriptor, and the failure a test can make it meet.
#include <cstddef>

// Writes all bytes to the descriptor; false (errno set) when they do not all go.
bool WriteAll(int fd, const void* data, std::size_t size);

// Tests only: while error is not 0, writes fail with it once afterBytes more bytes have
// been written (from then on every write fails), as a device that fills up would.
void SetWriteFailureForTesting(int error, std::size_t afterBytes = 0);
