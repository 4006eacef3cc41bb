#pragma once

// Folders of the process's own in place of the user's. A test or benchmark
// process must neither read nor leave anything in the home, cache, config
// or data folders of whoever runs it, nor in the shared temporary folder:
// each one makes a new folder under a folder of the build and points HOME,
// XDG_CACHE_HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME,
// XDG_RUNTIME_DIR and TMPDIR into it; the processes it starts inherit them.
// The folder is removed with everything in it when the process ends.
//
// The mains define one as a static object constructed before every other
// one (init_priority 101), so that it is set before anything reads the
// environment and removed after the last static object is destroyed, which
// may still write (a cache note of a book closed at exit).

#include <string>

namespace kvtest {

class OwnFolders {
public:
    // Makes the folder under parent (made when missing). A process started
    // by one that has its folders (KV_OWN_FOLDERS names an existing folder
    // under parent) keeps the inherited ones and removes nothing. A folder
    // that cannot be made ends the process: it must not run in the user's
    // folders.
    explicit OwnFolders(const char* parent);
    ~OwnFolders();
    OwnFolders(const OwnFolders&) = delete;
    OwnFolders& operator=(const OwnFolders&) = delete;

private:
    std::string made_;  // the folder this process made; empty when inherited
};

}  // namespace kvtest
