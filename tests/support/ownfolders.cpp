#include "support/ownfolders.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kvtest {

namespace {

namespace fs = std::filesystem;

constexpr const char* kMarker = "KV_OWN_FOLDERS";

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "cannot make the process's own folders: %s: %s\n", what.c_str(), std::strerror(errno));
    std::_Exit(2);
}

// A test may leave a folder it made read-only; its owner can always open it
// up again, and then everything in it can be removed.
void openUp(const fs::path& dir) {
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
        if (e.is_directory(ec) && !e.is_symlink(ec)) openUp(e.path());
}

}  // namespace

OwnFolders::OwnFolders(const char* parent) {
    // Inherited: the folder of a parent process, under the same parent
    // folder (a stray variable naming something else changes nothing).
    const std::string inherited = std::getenv(kMarker) ? std::getenv(kMarker) : "";
    std::error_code ec;
    if (inherited.rfind(std::string(parent) + '/', 0) == 0 && fs::is_directory(inherited, ec)) return;

    fs::create_directories(parent, ec);
    std::string name = (fs::path(parent) / (std::string(program_invocation_short_name) + "-XXXXXX")).string();
    if (!::mkdtemp(name.data())) fail(name);
    made_ = name;
    const struct {
        const char* variable;
        const char* folder;
    } folders[] = {{"HOME", "home"},           {"XDG_CACHE_HOME", "cache"}, {"XDG_CONFIG_HOME", "config"},
                   {"XDG_DATA_HOME", "data"},  {"XDG_STATE_HOME", "state"}, {"XDG_RUNTIME_DIR", "runtime"},
                   {"TMPDIR", "tmp"}};
    for (const auto& f : folders) {
        const std::string path = made_ + '/' + f.folder;
        if (::mkdir(path.c_str(), 0700) != 0) fail(path);
        ::setenv(f.variable, path.c_str(), 1);
    }
    ::setenv(kMarker, made_.c_str(), 1);
}

OwnFolders::~OwnFolders() {
    if (made_.empty()) return;
    openUp(made_);
    std::error_code ec;
    fs::remove_all(made_, ec);
}

}  // namespace kvtest
