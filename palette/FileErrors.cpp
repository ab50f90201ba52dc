// The numbers and texts of the "Err: " message of a failed save. Users and their notes
// know these numbers, so they stay the same whatever the system's own codes are.
#include "palette/FavouritesStore.h"
#include <cerrno>

int FileErrorNumber(int systemError) {
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61; // the disk (or the user's share of it) is full
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY: return 70; // write protection, a lock or another user
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM: return 71; // the device is not there or not ready
    case ESPIPE:
    case EMEDIUMTYPE: return 72; // seek and medium errors
    case EIO: return 57;         // the device failed
    case EINVAL: return 5;
    default: return 75;
    }
}

std::string FileErrorText(int number) {
    switch (number) {
    case 5: return "Illegal function call";
    case 52: return "Bad file name or number";
    case 57: return "Device I/O error";
    case 61: return "Disk full";
    case 70: return "Permission denied";
    case 71: return "Disk not ready";
    case 72: return "Disk media error";
    default: return "Path/file access error";
    }
}
