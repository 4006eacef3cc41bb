#include "support/child.h"

#include <QCoreApplication>
#include <QLocale>
#include <map>
#include <string>

namespace kvtest {

namespace {
std::map<std::string, ChildMain>& children() {
    static std::map<std::string, ChildMain> c;
    return c;
}
}  // namespace

bool registerChild(const char* name, ChildMain fn) {
    children()[name] = std::move(fn);
    return true;
}

int runChildIfAsked(int argc, char** argv) {
    if (argc < 2) return -1;
    const std::string first = argv[1];
    const std::string prefix = "--kv-child=";
    if (first.rfind(prefix, 0) != 0) return -1;
    auto it = children().find(first.substr(prefix.size()));
    if (it == children().end()) return 99;
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    QStringList args;
    for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return it->second(args);
}

}  // namespace kvtest
