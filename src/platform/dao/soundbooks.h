#pragma once

// Books known to be sound. Opening a book reads every page of it once to
// find damage before the user works on it; that grows with the book. A book
// that passed the check, or that this program closed after writing to it
// through the engine, is remembered together with what identifies the file
// exactly as it was then (device, inode, size, modification and status
// change times in nanoseconds, the engine's change counter). While all of
// these are unchanged, nothing has written to the file since, and the next
// open need not read it whole. Any write by another program, a copy over
// it, a restore or a rename changes at least one of them.
//
// The record is a small file in the user's cache folder; when it cannot be
// read or written, every open simply checks the whole book.

#include <QString>
#include <cstdint>

namespace dao::sound {

struct FileStamp {
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = -1, modified = 0, changed = 0;
    std::uint32_t counter = 0;
    bool valid() const { return size >= 0; }
    bool operator==(const FileStamp&) const = default;
};

// The file as it is now; invalid when it cannot be read or has a journal
// beside it (an interrupted write the engine will roll back).
FileStamp stampOf(const QString& path);

// Whether the file is exactly as it was when last known sound.
bool knownSound(const QString& canonicalPath);

// Remembers the file as it is now as sound.
void rememberSound(const QString& canonicalPath, const FileStamp& stamp);

// Where the record is kept (tests point it elsewhere); empty turns it off.
void setRecordFile(const QString& file);

}  // namespace dao::sound
