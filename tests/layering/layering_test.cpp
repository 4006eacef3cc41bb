// The layering of the program: platform -> core -> subsystems -> program.
// Every "#include" of src/ is checked against the libraries CMake builds
// (their folders and direct links, written at configure time): a folder
// holds one library; no file includes a file of a higher layer; a file
// includes only files of its own library or of libraries its library links,
// directly or through what those link; and no libraries depend on each
// other in a loop, by their links and their includes together. Windows
// ask and subsystems query: no window file (frm*.cpp) holds SQL text.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Target {
    std::string name;
    std::string type;    // STATIC_LIBRARY, EXECUTABLE, ...
    std::string folder;  // under src/
    std::vector<std::string> links;
    std::vector<std::string> sources;  // under src/
    bool library() const { return type.ends_with("_LIBRARY"); }
};

struct SourceFile {
    std::string path;                   // under src/
    std::vector<std::string> includes;  // under src/
};

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// 0 platform, 1 core, 2 the subsystems, 3 the program and its tools.
int layerOf(const std::string& path) {
    const std::string top = path.substr(0, path.find('/'));
    if (top == "platform") return 0;
    if (top == "core") return 1;
    if (top == "app" || top == "tools") return 3;
    return 2;
}

const char* const kLayerNames[] = {"platform", "core", "a subsystem", "the program"};

std::vector<std::string> LayeringFaults(const std::vector<Target>& targets, const std::vector<SourceFile>& files) {
    std::vector<std::string> faults;
    std::map<std::string, const Target*> byName;
    std::map<std::string, std::vector<const Target*>> byFolder;
    std::map<std::string, const Target*> bySource;
    for (const Target& t : targets) {
        byName[t.name] = &t;
        byFolder[t.folder].push_back(&t);
        for (const std::string& s : t.sources) bySource[s] = &t;
    }
    for (const auto& [folder, ts] : byFolder) {
        std::string libraries;
        for (const Target* t : ts)
            if (t->library()) libraries += (libraries.empty() ? "" : ", ") + t->name;
        if (libraries.find(", ") != std::string::npos)
            faults.push_back("src/" + folder + " holds more than one library: " + libraries);
    }
    // A file belongs to the target that lists it, else to the library of its
    // folder (headers are seldom listed), else to the folder's only target.
    auto ownerOf = [&](const std::string& path) -> const Target* {
        if (auto s = bySource.find(path); s != bySource.end()) return s->second;
        auto f = byFolder.find(folderOf(path));
        if (f == byFolder.end()) return nullptr;
        for (const Target* t : f->second)
            if (t->library()) return t;
        return f->second.size() == 1 ? f->second.front() : nullptr;
    };
    auto reachable = [&](const Target* from) {
        std::set<std::string> seen;
        std::vector<const Target*> todo{from};
        while (!todo.empty()) {
            const Target* t = todo.back();
            todo.pop_back();
            for (const std::string& l : t->links)
                if (seen.insert(l).second)
                    if (auto n = byName.find(l); n != byName.end()) todo.push_back(n->second);
        }
        return seen;
    };

    // What each target depends on, and why (the first reason found).
    std::map<std::string, std::map<std::string, std::string>> edges;
    for (const Target& t : targets)
        for (const std::string& l : t.links)
            if (byName.count(l) && l != t.name) {
                edges[t.name].emplace(l, "links");
                if (layerOf(t.folder) < layerOf(byName[l]->folder))
                    faults.push_back(t.name + " (" + kLayerNames[layerOf(t.folder)] + ") links " + l + " (" +
                                     kLayerNames[layerOf(byName[l]->folder)] + ")");
            }
    std::map<std::string, std::set<std::string>> reach;
    for (const SourceFile& f : files) {
        const Target* from = ownerOf(f.path);
        if (!from) continue;  // a folder left out of the build
        for (const std::string& inc : f.includes) {
            const std::string where = "src/" + f.path + " includes " + inc;
            if (layerOf(f.path) < layerOf(inc))
                faults.push_back(where + ": " + kLayerNames[layerOf(f.path)] + " may not include " +
                                 kLayerNames[layerOf(inc)]);
            const Target* to = ownerOf(inc);
            if (!to) {
                faults.push_back(where + ", which no library builds");
                continue;
            }
            if (to == from) continue;
            if (!reach.count(from->name)) reach[from->name] = reachable(from);
            if (!reach[from->name].count(to->name))
                faults.push_back(where + " of " + to->name + ", which " + from->name + " does not link");
            edges[from->name].emplace(to->name, "includes " + inc);
        }
    }

    // Loops: a depth-first walk; an edge back into the walk's path closes one.
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> walk = [&](const std::string& n) {
        state[n] = 1;
        path.push_back(n);
        for (const auto& [to, why] : edges[n]) {
            if (state[to] == 1) {
                std::string loop;
                for (auto i = std::find(path.begin(), path.end(), to); i != path.end(); ++i) {
                    const std::string& next = (i + 1 == path.end()) ? to : *(i + 1);
                    loop += *i + " -(" + edges[*i][next] + ")-> ";
                }
                faults.push_back("a loop: " + loop + to);
            } else if (state[to] == 0) {
                walk(to);
            }
        }
        path.pop_back();
        state[n] = 2;
    };
    for (const Target& t : targets)
        if (state[t.name] == 0) walk(t.name);
    return faults;
}

// --- the program's own tree ---------------------------------------------

std::vector<Target> readLibraries(const std::string& file) {
    std::vector<Target> targets;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind, value;
        words >> kind >> value;
        if (kind == "target") {
            targets.push_back({value, {}, {}, {}, {}});
            words >> targets.back().type >> targets.back().folder;
        } else if (!targets.empty() && kind == "link") {
            targets.back().links.push_back(value);
        } else if (!targets.empty() && kind == "source") {
            targets.back().sources.push_back(value);
        }
    }
    return targets;
}

// Every header and source file of src/ with its quoted includes, each as the
// file it names under src/: beside the including file first, else from src/.
std::vector<SourceFile> readSources(const fs::path& src) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<SourceFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        SourceFile f{entry.path().lexically_relative(src).generic_string(), {}};
        std::ifstream in(entry.path());
        std::string line;
        std::smatch m;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, m, include)) continue;
            for (const fs::path& base : {entry.path().parent_path(), src}) {
                const fs::path named = (base / m[1].str()).lexically_normal();
                if (fs::is_regular_file(named)) {
                    f.includes.push_back(named.lexically_relative(src).generic_string());
                    break;
                }
            }
        }
        files.push_back(std::move(f));
    }
    return files;
}

// The lines of a source text that hold SQL in a string literal: a literal
// with a statement's first word (SELECT, UPDATE, INSERT INTO, DELETE) as a
// word of its own and in capitals, as the program writes its queries.
std::vector<std::string> SqlLines(std::istream& in) {
    static const std::regex sql(R"re("[^"]*\b(SELECT|UPDATE|INSERT INTO|DELETE)\b)re");
    std::vector<std::string> lines;
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (std::regex_search(line, sql)) lines.push_back(std::to_string(n) + ": " + line);
    }
    return lines;
}

std::string listed(const std::vector<std::string>& faults) {
    std::string text;
    for (const std::string& f : faults) text += "  " + f + "\n";
    return text;
}

TEST(Layering, TheLibrariesOfSrcKeepTheirLayers) {
    const std::vector<Target> targets = readLibraries(KV_LAYERING_LIBRARIES);
    const std::vector<SourceFile> files = readSources(KV_LAYERING_SRC);
    // Guards against a check that finds nothing for want of anything read.
    ASSERT_GT(targets.size(), 10u) << KV_LAYERING_LIBRARIES;
    ASSERT_GT(files.size(), 100u) << KV_LAYERING_SRC;
    const std::vector<std::string> faults = LayeringFaults(targets, files);
    EXPECT_TRUE(faults.empty()) << listed(faults);
}

// The check itself, on small made-up trees: each kind of fault is found,
// and a sound tree passes.
TEST(Layering, EachKindOfFaultIsFound) {
    const Target dao{"kv_dao", "STATIC_LIBRARY", "platform/dao", {}, {}};
    const Target ui{"kv_ui", "STATIC_LIBRARY", "platform/ui", {"kv_dao"}, {}};
    const Target core{"kv_core", "STATIC_LIBRARY", "core", {"kv_ui"}, {}};
    const Target shell{"kv_shell", "STATIC_LIBRARY", "shell", {"kv_core"}, {}};
    const Target program{"kolvio", "EXECUTABLE", "app", {"kv_wiring"}, {"app/main.cpp"}};
    const Target wiring{"kv_wiring", "STATIC_LIBRARY", "app", {"kv_shell"}, {}};
    const std::vector<Target> sound{dao, ui, core, shell, program, wiring};
    struct Case {
        const char* what;
        std::vector<Target> targets;
        std::vector<SourceFile> files;
        std::string fault;  // a part of a fault expected; "" for none
    };
    const std::vector<Case> cases{
        {"a sound tree, including through a link's links",
         sound,
         {{"shell/a.cpp", {"shell/a.h", "platform/dao/d.h", "core/c.h"}},
          {"app/main.cpp", {"app/w.h", "shell/a.h"}},
          {"app/w.cpp", {"app/w.h"}}},
         ""},
        {"platform includes core, even where it links it",
         {dao, ui, core, {"kv_mail", "STATIC_LIBRARY", "platform/mail", {"kv_core"}, {}}},
         {{"platform/mail/m.cpp", {"core/c.h"}}},
         "src/platform/mail/m.cpp includes core/c.h: platform may not include core"},
        {"an include of a library not linked",
         sound,
         {{"platform/ui/u.cpp", {"platform/dao/d.h"}}, {"platform/dao/d.cpp", {"platform/ui/u.h"}}},
         "src/platform/dao/d.cpp includes platform/ui/u.h of kv_ui, which kv_dao does not link"},
        {"a loop of links",
         {{"kv_a", "STATIC_LIBRARY", "a", {"kv_b"}, {}}, {"kv_b", "STATIC_LIBRARY", "b", {"kv_a"}, {}}},
         {},
         "a loop: kv_a -(links)-> kv_b -(links)-> kv_a"},
        {"two libraries in one folder",
         {dao, {"kv_dao2", "STATIC_LIBRARY", "platform/dao", {}, {"platform/dao/e.cpp"}}},
         {},
         "src/platform/dao holds more than one library: kv_dao, kv_dao2"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> faults = LayeringFaults(c.targets, c.files);
        if (c.fault.empty()) {
            EXPECT_TRUE(faults.empty()) << c.what << "\n" << listed(faults);
            continue;
        }
        const bool found = std::any_of(faults.begin(), faults.end(),
                                       [&](const std::string& f) { return f.find(c.fault) != std::string::npos; });
        EXPECT_TRUE(found) << c.what << "\n" << listed(faults);
    }
}

// Windows ask and subsystems query: the SQL of a window's work lives in its
// subsystem's own files, named after what it returns or does.
TEST(Layering, NoWindowFileHoldsSql) {
    std::vector<std::string> faults;
    int windows = 0;
    for (const auto& entry : fs::recursive_directory_iterator(KV_LAYERING_SRC)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || !name.starts_with("frm") || !name.ends_with(".cpp")) continue;
        ++windows;
        std::ifstream in(entry.path());
        for (const std::string& line : SqlLines(in)) {
            faults.push_back(fs::path(entry.path()).lexically_relative(KV_LAYERING_SRC).generic_string() + ":" + line);
        }
    }
    ASSERT_GT(windows, 30) << KV_LAYERING_SRC;
    EXPECT_TRUE(faults.empty()) << listed(faults);

    // The search itself: what it must find and what it must let be.
    const std::vector<std::pair<std::string, bool>> samples{
        {R"s(rs = db.OpenRecordset("SELECT tlID FROM tl");)s", true},
        {R"s(q = QStringLiteral("UPDATE tl SET tlNimi = ?");)s", true},
        {R"s(db.Execute("INSERT INTO bu (buID) VALUES (?)");)s", true},
        {R"s(const char* kSql = "DELETE FROM mr WHERE mrmaID = ?";)s", true},
        {R"s(ui->btnDelete->setText(tr("Poista"));  // Delete the row)s", false},
        {R"s(button("Select all");)s", false},
        {R"s(sqlSelect(Order::ByNumber);  // SELECT in a comment)s", false},
    };
    for (const auto& [text, sql] : samples) {
        std::istringstream in(text);
        EXPECT_EQ(SqlLines(in).size(), sql ? 1u : 0u) << text;
    }
}

}  // namespace
