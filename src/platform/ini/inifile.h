#pragma once

// cIniFile: keys and values of an ini-format text file (UTF-8).
//
//   [section]
//   key=value
//
// Section names and keys are compared without regard to letter case
// (Finnish and Swedish letters included). Lines the component does not
// use - comments (";" or "#"), blank lines, lines without "=" and the
// keys nobody asks for - are kept as they stand when the file is written.
//
// Keys and values are arbitrary texts. A backslash escapes what would
// otherwise be read differently, so that every text comes back as written:
//   \\  a backslash          \n  line feed        \r  carriage return
//   \t  tab                  \=  "=" (in a key)
//   \ followed by a blank: that blank (used for a leading or trailing blank,
//       which is otherwise trimmed away)
//   \; \# \[ \]  the character itself (for a key that begins with one)
// A backslash before any other character is an ordinary backslash, so hand-
// written files need no escapes unless they use one of these. Ordinary keys
// and values are written as they are.
//
// A write that would change nothing (every value is stored already) does
// not touch the file. Every other write replaces the whole file atomically
// (a work file in the same folder, synced and renamed over the old one, and
// the folder synced): a failed or interrupted write leaves the old file as
// it was, and a write that returned is on the disk.
//
// Writes of one file by several programs come one after another: each
// holds a lock (a record lock of the hidden file ".<name>.lock" beside the
// file) from its reading of the file to its replacement. A lock that another
// program holds is waited for, 5 seconds at most, while the program's
// events other than the user's input run, so that windows stay painted and
// timers run; the write is then refused (LockRefused). After such a wait
// the writes of that file do not wait again until one of them gets the
// lock, and a write made by an event during a wait does not wait. On a file
// system that takes no locks the writes go on without one: each still
// leaves a whole file, but two programs writing at once may lose one
// another's keys.
//
// Parsed files are kept in memory per path and read
// again only when the file on disk has changed, so reading many keys costs
// no file parsing; a write is seen by the next read at once. For use from
// the user-interface thread only.
//
// Window placements are stored as "left,top,width,height,state": the
// window's geometry in twips (1/1440 inch, at the window's logical DPI) and
// its state (0 normal, 2 maximised).

#include <QList>
#include <QString>
#include <utility>

class QWidget;

namespace ini {

class cIniFile {
public:
    cIniFile() = default;

    // Selects the file: a bare name or a relative path is taken inside the
    // program folder (sys::AppPath), an absolute path as it is.
    void FileName(const QString& name);
    // The selected file's full path ("" before a file is selected).
    QString FileName() const { return path_; }

    // Selects the section for the following reads and writes.
    void Section(const QString& name) { section_ = name; }
    QString Section() const { return section_; }

    // The value of key in the selected section; defaultValue when the file,
    // the section or the key is missing; "" when the key has no value.
    QString Read(const QString& key, const QString& defaultValue = QString()) const;

    // Stores key=value in the selected section, creating the file, the
    // section or the key as needed. Returns false when nothing could be
    // stored (no file selected, an empty key, a section name with a line
    // break, the file could not be written, or another program held it:
    // LockRefused); the file is then unchanged. Another program's writes of
    // the file, made so too, never come between this write's reading of the
    // file and its replacement of it, where the file system takes locks.
    bool Write(const QString& value, const QString& key);
    // Stores several keys of the selected section in one replacement of the
    // file, as Write does each: the file holds all of them or none.
    bool Write(const QList<std::pair<QString, QString>>& keysAndValues);
    // Whether the last Write returned false because another program held
    // the file for longer than a write waits for it (see the file's lock
    // below).
    bool LockRefused() const { return lockRefused_; }

    // Stores the window's placement under key in the selected section.
    bool SaveFormPos(const QWidget* window, const QString& key);

    // Gives the window the placement stored under key (or, when none is
    // stored, the placement text defaultPlacement, if any). restoreSize
    // false restores the position only. A placement that would leave the
    // window wholly or partly off the screen is moved (and if need be
    // shrunk) into the available area of the nearest screen
    // (ui::FitOnScreen). Returns whether a placement was applied; the window
    // is left unchanged otherwise.
    bool LoadFormPos(QWidget* window, const QString& key, bool restoreSize = true,
                     const QString& defaultPlacement = QString());

    // Forgets every file kept in memory (the next read parses again), and
    // which files another program was found to hold.
    static void ClearCache();

private:
    QString path_;
    QString section_;
    bool lockRefused_ = false;
};

}  // namespace ini
