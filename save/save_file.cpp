// The file operations. Failures are silent and leave the game and the slot list as they were.
// A changed file is built in full beside the old one and renamed over it, so a crash or a
// full disk in the middle of a save never costs the other slots.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/shell.h"
#include "save/portable_io.h"
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

// The existing save file, opened for reading.
struct ExistingFile {
    int fd = -1;
    long long length = 0;
    unsigned mode = 0;
};

enum class Opened { Yes, Missing, Unusable };

// Only a missing file may be created afresh: a file we cannot read, or a directory of that
// name, is left alone rather than replaced.
Opened openExisting(ExistingFile& file) {
    file.fd = open(saveFileName, O_RDONLY | portable::binaryFlag | portable::noInheritFlag);
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

// Writes the new file: the old one's bytes (or, with none, the empty slot table), then
// `record` at `slot` if given, padding any gap before it with zeros as the file's format has
// it. Renames it over the save file once it is safely on disk; the old file is closed first,
// since Windows will not replace a file that is still open.
bool replaceSaveFile(ExistingFile* old, int slot, const unsigned char* record) {
    // A leftover from an earlier crash goes first; a fresh, exclusive file never writes
    // through a link someone left in its place.
    unlink(tempFileName);
    const int temp = open(tempFileName,
                          O_WRONLY | O_CREAT | O_EXCL | portable::binaryFlag | portable::noInheritFlag, 0666);
    if (temp < 0) return false;
    long long length = old ? old->length : 0;
    bool ok = old ? copyPrefix(old->fd, temp, length) : writeZeros(temp, 0, newSaveFileSize);
    if (!old) length = newSaveFileSize;
    if (ok && record) {
        const long long start = static_cast<long long>(slot) * slotSize;
        ok = (length >= start || writeZeros(temp, length, start)) && writeAt(temp, record, slotSize, start);
    }
    if (ok && old) ok = portable::copyMode(temp, old->mode) == 0;
    if (ok) ok = portable::syncFile(temp) == 0;
    if (close(temp) != 0) ok = false;
    if (old) {
        close(old->fd);
        old->fd = -1;
    }
    if (ok) ok = portable::replaceFile(tempFileName, saveFileName);
    if (!ok) {
        unlink(tempFileName);
        return false;
    }
    portable::syncWorkingDirectory();
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
        const long n = readAt(file.fd, bytes, slotNameBytes, static_cast<long long>(k) * slotSize);
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
    const long n = readAt(file.fd, record, slotSize, static_cast<long long>(shell.saveSlot) * slotSize);
    close(file.fd);
    if (n != slotSize || record[0] == 0) return;  // cut short, or an empty slot

    char name[slotNameBytes];
    if (decodeSlot(record, game, name)) std::memcpy(shell.saveName, name, slotNameBytes);
}
