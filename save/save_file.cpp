// The file operations. Failures leave the game and the slot list as they were and are reported
// to the caller. A changed file is built in full beside the old one and renamed over it, so a
// crash or a full disk in the middle of a save never costs the other slots; only where no file
// can be made beside it is the slot written in place.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "game/stats.h"
#include "save/portable_io.h"
#include "save/save_file.h"

namespace {

constexpr char tempSuffix[] = ".tmp";
constexpr int copyChunk = 16384;
constexpr int pathBytes = 4096;
constexpr int linkHops = 16;

// ---------------------------------------------------------------------------------------------
// Plain descriptor I/O that finishes short transfers and survives signals
// ---------------------------------------------------------------------------------------------

// Bytes read at `offset`, fewer only at the end of the file; -1 on an error.
long readAt(int fd, unsigned char* buffer, long size, long long offset) {
    long done = 0;
    while (done < size) {
        const long n = portable::readAt(fd, buffer + done, size - done, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += n;
    }
    return done;
}

bool writeAt(int fd, const unsigned char* data, long size, long long offset) {
    long done = 0;
    while (done < size) {
        const long n = portable::writeAt(fd, data + done, size - done, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool writeZeros(int fd, long long from, long long to) {
    static const unsigned char zeros[copyChunk] = {};
    for (long long at = from; at < to;) {
        const long n = to - at < copyChunk ? static_cast<long>(to - at) : copyChunk;
        if (!writeAt(fd, zeros, n, at)) return false;
        at += n;
    }
    return true;
}

bool copyPrefix(int from, int to, long long length) {
    unsigned char buffer[copyChunk];
    for (long long at = 0; at < length;) {
        const long n = length - at < copyChunk ? static_cast<long>(length - at) : copyChunk;
        if (readAt(from, buffer, n, at) != n || !writeAt(to, buffer, n, at)) return false;
        at += n;
    }
    return true;
}

// Where the save file's bytes live: the file itself or, when it is a symbolic link, the end
// of the chain of links, so that saving replaces the target and the link stays a link.
// `temp` is the new file beside it. False for a chain that never ends or a path too long.
struct SavePath {
    char file[pathBytes];
    char temp[pathBytes];
};

// 0, or why the name cannot be used (the player reads it after "Could not save: ").
int resolveSavePath(SavePath& path) {
    std::snprintf(path.file, sizeof path.file, "%s", saveFileName);
    bool resolved = false;
    for (int hop = 0; hop < linkHops && !resolved; ++hop) {
        char target[pathBytes];
        long n = 0;
        if (!portable::linkTarget(path.file, target, sizeof target, n)) {
            resolved = true;  // a file, something else, or nothing yet: the name to use
            break;
        }
        if (n <= 0) return n < 0 && errno != 0 ? errno : ENOENT;  // a link we cannot read
        // A relative target is relative to the directory holding the link.
        const char* slash = target[0] == '/' ? nullptr : std::strrchr(path.file, '/');
        const size_t keep = slash ? static_cast<size_t>(slash - path.file) + 1 : 0;
        if (keep + static_cast<size_t>(n) >= sizeof path.file) return ENAMETOOLONG;
        std::memcpy(path.file + keep, target, static_cast<size_t>(n) + 1);
    }
    if (!resolved) return ELOOP;
    const int written = std::snprintf(path.temp, sizeof path.temp, "%s%s", path.file, tempSuffix);
    return written > 0 && written < static_cast<int>(sizeof path.temp) ? 0 : ENAMETOOLONG;
}

// The existing save file, opened for reading.
struct ExistingFile {
    int fd = -1;
    long long length = 0;
    unsigned mode = 0;
};

enum class Opened { Yes, Missing, Unusable };

// Only a missing file may be created afresh: a file we cannot read, or a directory of that
// name, is left alone rather than replaced.
Opened openExisting(const char* name, ExistingFile& file) {
    file.fd = open(name, O_RDONLY | portable::binaryFlag | portable::noInheritFlag);
    if (file.fd < 0) return errno == ENOENT ? Opened::Missing : Opened::Unusable;
    struct stat info;
    if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(file.fd);
        file.fd = -1;
        errno = EISDIR;
        return Opened::Unusable;
    }
    file.length = info.st_size;
    file.mode = info.st_mode & 07777;
    return Opened::Yes;
}

void syncDirectoryOf(const char* file) {
    char dirName[pathBytes];
    std::snprintf(dirName, sizeof dirName, "%s", file);
    char* slash = std::strrchr(dirName, '/');
    if (slash)
        slash[slash == dirName ? 1 : 0] = '\0';
    else
        std::snprintf(dirName, sizeof dirName, ".");
    portable::syncDirectory(dirName);
}

// The body of a save file on `fd`: with no old file the empty slot table, then `record` at
// `slot` if given, padding any gap before it with zeros as the file's format has it. `length`
// is what the file already holds.
bool writeBody(int fd, long long length, bool fresh, int slot, const unsigned char* record) {
    bool ok = true;
    if (fresh) {
        ok = writeZeros(fd, 0, newSaveFileSize);
        length = newSaveFileSize;
    }
    if (ok && record) {
        const long long start = static_cast<long long>(slot) * slotSize;
        ok = (length >= start || writeZeros(fd, length, start)) && writeAt(fd, record, slotSize, start);
    }
    return ok;
}

// Errors as errno values; 0 is success. A failure that left errno unset still reports one.
int lastError() { return errno != 0 ? errno : EIO; }

// The new file is built in full beside the old one and renamed over it once safely on disk;
// the old one is closed first, since Windows will not replace a file that is still open.
// Returns 0, an errno, or -1 when no temp file could be made (nothing was touched).
int replaceSaveFile(const SavePath& path, ExistingFile* old, int slot, const unsigned char* record) {
    // A leftover from an earlier crash goes first; a fresh, exclusive file never writes
    // through a link someone left in its place.
    unlink(path.temp);
    const int temp =
        open(path.temp, O_WRONLY | O_CREAT | O_EXCL | portable::binaryFlag | portable::noInheritFlag, 0666);
    if (temp < 0) return -1;
    errno = 0;
    bool ok = !old || copyPrefix(old->fd, temp, old->length);
    if (ok) ok = writeBody(temp, old ? old->length : 0, !old, slot, record);
    if (ok && old) ok = portable::copyMode(temp, old->mode) == 0;
    if (ok) ok = portable::syncFile(temp) == 0;
    int error = ok ? 0 : lastError();
    if (close(temp) != 0 && ok) error = lastError(), ok = false;
    if (old && old->fd >= 0) {
        close(old->fd);
        old->fd = -1;
    }
    if (ok && !portable::replaceFile(path.temp, path.file)) error = lastError(), ok = false;
    if (!ok) {
        unlink(path.temp);
        return error;
    }
    syncDirectoryOf(path.file);
    return 0;
}

// Where no file can be made beside it (a directory that only lets the file itself be
// written), the slot is written into the file in place: not proof against a crash in the
// middle, but better than not saving at all. Returns 0 or an errno.
int writeInPlace(const SavePath& path, const ExistingFile* old, int slot, const unsigned char* record) {
    const int flags = O_WRONLY | portable::binaryFlag | portable::noInheritFlag;
    const int fd = old ? open(path.file, flags) : open(path.file, flags | O_CREAT | O_EXCL, 0666);
    if (fd < 0) return lastError();
    errno = 0;
    bool ok = writeBody(fd, old ? old->length : 0, !old, slot, record) && portable::syncFile(fd) == 0;
    int error = ok ? 0 : lastError();
    if (close(fd) != 0 && ok) error = lastError();
    if (error != 0 && !old) unlink(path.file);  // no half-made new file is left behind
    return error;
}

// Writes the file through the atomic path where it can, in place where it cannot.
int writeSaveFile(const SavePath& path, ExistingFile* old, int slot, const unsigned char* record) {
    const int result = replaceSaveFile(path, old, slot, record);
    return result == -1 ? writeInPlace(path, old, slot, record) : result;
}

bool slotInRange(int slot) { return slot >= 0 && slot < slotCount; }

}  // namespace

void ensureSaveFile(char namesOut[slotCount][slotNameBytes], bool damagedOut[slotCount]) {
    SavePath path;
    if (resolveSavePath(path) != 0) return;
    ExistingFile file;
    Opened opened = openExisting(path.file, file);
    if (opened == Opened::Missing) {
        if (writeSaveFile(path, nullptr, 0, nullptr) != 0) return;
        opened = openExisting(path.file, file);
    }
    if (opened != Opened::Yes) return;

    // A name counts only when all its 30 bytes are in the file; a slot cut off before its
    // name ends is listed empty, so it is never offered for loading. A named slot whose record
    // is cut short or refused is marked damaged.
    char names[slotCount][slotNameBytes] = {};
    bool damaged[slotCount] = {};
    bool readable = true;
    for (int k = 0; k < slotCount && readable; ++k) {
        unsigned char record[slotSize];
        const long n = readAt(file.fd, record, slotSize, static_cast<long long>(k) * slotSize);
        if (n < 0) readable = false;
        if (n >= slotNameBytes) std::memcpy(names[k], record, slotNameBytes);
        names[k][slotNameBytes - 1] = '\0';
        if (names[k][0] != '\0') damaged[k] = n != slotSize || !recordIsSound(record);
    }
    close(file.fd);
    if (!readable) return;
    std::memcpy(namesOut, names, sizeof names);
    std::memcpy(damagedOut, damaged, sizeof damaged);
}

int saveGame(int slot, const char name[slotNameBytes]) {
    if (!slotInRange(slot)) return EINVAL;
    unsigned char record[slotSize];
    encodeSlot(game, name, record);

    SavePath path;
    if (const int fault = resolveSavePath(path)) return fault;
    ExistingFile file;
    const Opened opened = openExisting(path.file, file);
    if (opened == Opened::Unusable) return lastError();
    const int result = writeSaveFile(path, opened == Opened::Yes ? &file : nullptr, slot, record);
    if (file.fd >= 0) close(file.fd);
    return result;
}

LoadResult loadGame(int slot, char nameOut[slotNameBytes]) {
    if (!slotInRange(slot)) return LoadResult::Empty;
    SavePath path;
    if (resolveSavePath(path) != 0) return LoadResult::Unreadable;
    ExistingFile file;
    if (openExisting(path.file, file) != Opened::Yes) return LoadResult::Unreadable;
    unsigned char record[slotSize];
    const long n = readAt(file.fd, record, slotSize, static_cast<long long>(slot) * slotSize);
    close(file.fd);
    if (n < 0) return LoadResult::Unreadable;
    if (n < 1 || record[0] == 0) return LoadResult::Empty;
    if (n != slotSize) return LoadResult::Damaged;  // cut short

    char name[slotNameBytes];
    if (!decodeSlot(record, game, name)) return LoadResult::Damaged;
    std::memcpy(nameOut, name, slotNameBytes);
    resetStats(true);  // the history is not saved: it starts again from the loaded game
    return LoadResult::Loaded;
}
