#include "support/iniheld.h"

#include "platform/ini/inifile.h"

KV_TEST_CHILD(writesAnIniFile) {
    ini::cIniFile f;
    f.FileName(args.value(0));
    f.Section(QStringLiteral("FORMS"));
    return f.Write(QStringLiteral("1,2,3,4,0"), QString::fromLatin1(kvtest::IniWriteInProgress::kOtherKey)) ? 0 : 1;
}

namespace kvtest {

IniWriteInProgress::IniWriteInProgress(const QString& iniPath) : run_("writesAnIniFile", {iniPath}, "replace") {}

bool IniWriteInProgress::finish() { return run_.resume().finished; }

}  // namespace kvtest
