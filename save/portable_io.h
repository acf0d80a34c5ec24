// The few POSIX file calls the save file needs, with Windows equivalents. Everything is
// single-threaded, so a seek followed by a read stands in for pread/pwrite there.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>

namespace portable {

// Text mode would turn every 0x0A byte of a record into two.
constexpr int binaryFlag = O_BINARY;
constexpr int noInheritFlag = O_NOINHERIT;

inline long readAt(int fd, void* buffer, long size, long long offset) {
    if (_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
    return _read(fd, buffer, static_cast<unsigned>(size));
}
inline long writeAt(int fd, const void* data, long size, long long offset) {
    if (_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
    return _write(fd, data, static_cast<unsigned>(size));
}
inline int syncFile(int fd) { return _commit(fd); }
// Windows files carry no POSIX permission bits worth copying.
inline int copyMode(int, unsigned) { return 0; }
// A rename is durable once MoveFileEx returns with MOVEFILE_WRITE_THROUGH.
inline void syncDirectory(const char*) {}
// Links are not followed on Windows: the save file is always the file of that name.
inline bool linkTarget(const char*, char*, unsigned long, long&) { return false; }
// rename() refuses an existing target on Windows; MoveFileEx replaces it (the old file must
// not be open, which the caller sees to).
inline bool replaceFile(const char* from, const char* to) {
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace portable

#else
#include <unistd.h>

namespace portable {

constexpr int binaryFlag = 0;
constexpr int noInheritFlag = O_CLOEXEC;

inline long readAt(int fd, void* buffer, long size, long long offset) {
    return static_cast<long>(pread(fd, buffer, static_cast<size_t>(size), static_cast<off_t>(offset)));
}
inline long writeAt(int fd, const void* data, long size, long long offset) {
    return static_cast<long>(pwrite(fd, data, static_cast<size_t>(size), static_cast<off_t>(offset)));
}
inline int syncFile(int fd) { return fsync(fd); }
inline int copyMode(int fd, unsigned mode) { return fchmod(fd, static_cast<mode_t>(mode)); }
inline void syncDirectory(const char* name) {
    const int dir = open(name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    fsync(dir);  // makes the rename itself durable; nothing to do if it fails
    close(dir);
}
// When `path` is a symbolic link: true, with its target (NUL-terminated, `length` bytes; 0 or
// less when it cannot be read). False for a file, anything else, or nothing at all.
inline bool linkTarget(const char* path, char* target, unsigned long size, long& length) {
    struct stat info;
    if (lstat(path, &info) != 0 || !S_ISLNK(info.st_mode)) return false;
    length = static_cast<long>(readlink(path, target, size - 1));
    if (length > 0) target[length] = '\0';
    return true;
}
inline bool replaceFile(const char* from, const char* to) { return std::rename(from, to) == 0; }

}  // namespace portable

#endif
