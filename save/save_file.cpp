// The file operations. Failures are silent and leave the game and the slot list as they were.
// A changed file is built in full beside the old one and renamed over it, so a crash or a
// full disk in the middle of a save never costs the other slots.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/shell.h"
#include "game/stats.h"
#include "save/save_file.h"

static_assert(saveSlotCount == slotCount && saveNameSize == slotNameBytes,
              "the shell's slot list must match the file");

namespace {

constexpr char tempFileName[] = "Tenantry.sav.tmp";
constexpr int copyChunk = 16384;

// ---------------------------------------------------------------------------------------------
// Plain descriptor I/O that finishes short transfers and survives signals
// ---------------------------------------------------------------------------------------------

// Bytes read at `offset`, fewer only at the end of the file; -1 on an error.
long readAt(int fd, unsigned char* buffer, long size, off_t offset) {
    long done = 0;
    while (done < size) {
        const ssize_t n = pread(fd, buffer + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += n;
    }
    return done;
}

bool writeAt(int fd, const unsigned char* data, long size, off_t offset) {
    long done = 0;
    while (done < size) {
        const ssize_t n = pwrite(fd, data + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

bool writeZeros(int fd, off_t from, off_t to) {
    static const unsigned char zeros[copyChunk] = {};
    for (off_t at = from; at < to;) {
        const long n = to - at < copyChunk ? static_cast<long>(to - at) : copyChunk;
        if (!writeAt(fd, zeros, n, at)) return false;
        at += n;
    }
    return true;
}

bool copyPrefix(int from, int to, off_t length) {
    unsigned char buffer[copyChunk];
    for (off_t at = 0; at < length;) {
        const long n = length - at < copyChunk ? static_cast<long>(length - at) : copyChunk;
        if (readAt(from, buffer, n, at) != n || !writeAt(to, buffer, n, at)) return false;
        at += n;
    }
    return true;
}

// The existing save file, opened for reading.
struct ExistingFile {
    int fd = -1;
    off_t length = 0;
    mode_t mode = 0;
};

enum class Opened { Yes, Missing, Unusable };

// Only a missing file may be created afresh: a file we cannot read, or a directory of that
// name, is left alone rather than replaced.
Opened openExisting(ExistingFile& file) {
    file.fd = open(saveFileName, O_RDONLY | O_CLOEXEC);
    if (file.fd < 0) return errno == ENOENT ? Opened::Missing : Opened::Unusable;
    struct stat info;
    if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(file.fd);
        file.fd = -1;
        return Opened::Unusable;
    }
    file.length = info.st_size;
    file.mode = info.st_mode & 07777;
    return Opened::Yes;
}

void syncWorkingDirectory() {
    const int dir = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    fsync(dir);  // makes the rename itself durable; nothing to do if it fails
    close(dir);
}

// Writes the new file: the old one's bytes (or, with none, the empty slot table), then
// `record` at `slot` if given, padding any gap before it with zeros as the file's format has
// it. Renames it over the save file once it is safely on disk.
bool replaceSaveFile(const ExistingFile* old, int slot, const unsigned char* record) {
    // A leftover from an earlier crash goes first; a fresh, exclusive file never writes
    // through a link someone left in its place.
    unlink(tempFileName);
    const int temp = open(tempFileName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (temp < 0) return false;
    off_t length = old ? old->length : 0;
    bool ok = old ? copyPrefix(old->fd, temp, length) : writeZeros(temp, 0, newSaveFileSize);
    if (!old) length = newSaveFileSize;
    if (ok && record) {
        const off_t start = static_cast<off_t>(slot) * slotSize;
        ok = (length >= start || writeZeros(temp, length, start)) && writeAt(temp, record, slotSize, start);
    }
    if (ok && old) ok = fchmod(temp, old->mode) == 0;
    if (ok) ok = fsync(temp) == 0;
    if (close(temp) != 0) ok = false;
    if (ok) ok = std::rename(tempFileName, saveFileName) == 0;
    if (!ok) {
        unlink(tempFileName);
        return false;
    }
    syncWorkingDirectory();
    return true;
}

bool slotInRange(int slot) { return slot >= 0 && slot < slotCount; }

}  // namespace

void ensureSaveFile() {
    ExistingFile file;
    Opened opened = openExisting(file);
    if (opened == Opened::Missing) {
        if (!replaceSaveFile(nullptr, 0, nullptr)) return;
        opened = openExisting(file);
    }
    if (opened != Opened::Yes) return;

    // A name counts only when all its 30 bytes are in the file; a slot cut off before its
    // name ends is listed empty, so it is never offered for loading.
    char names[slotCount][slotNameBytes] = {};
    bool readable = true;
    for (int k = 0; k < slotCount && readable; ++k) {
        unsigned char bytes[slotNameBytes];
        const long n = readAt(file.fd, bytes, slotNameBytes, static_cast<off_t>(k) * slotSize);
        if (n < 0) readable = false;
        if (n == slotNameBytes) std::memcpy(names[k], bytes, slotNameBytes);
        names[k][slotNameBytes - 1] = '\0';
    }
    close(file.fd);
    if (readable) std::memcpy(shell.slotNames, names, sizeof names);
}

void saveGame() {
    if (!slotInRange(shell.saveSlot)) return;
    unsigned char record[slotSize];
    encodeSlot(game, shell.saveName, record);

    ExistingFile file;
    const Opened opened = openExisting(file);
    if (opened == Opened::Unusable) return;
    replaceSaveFile(opened == Opened::Yes ? &file : nullptr, shell.saveSlot, record);
    if (file.fd >= 0) close(file.fd);
}

void loadGame() {
    if (!slotInRange(shell.saveSlot)) return;
    ExistingFile file;
    if (openExisting(file) != Opened::Yes) return;
    unsigned char record[slotSize];
    const long n = readAt(file.fd, record, slotSize, static_cast<off_t>(shell.saveSlot) * slotSize);
    close(file.fd);
    if (n != slotSize || record[0] == 0) return;  // cut short, or an empty slot

    char name[slotNameBytes];
    if (!decodeSlot(record, game, name)) return;
    std::memcpy(shell.saveName, name, slotNameBytes);
    resetStats(true);  // the history is not saved: it starts again from the loaded game
}
