// Test entry point: a Qt application (offscreen), the Finnish locale and a
// fixed time zone, so that every test sees the same regional settings.
//
// The tests of the regional formats run again under other locales: CTest
// starts them with KV_TEST_SYSTEM_LOCALE set and LC_ALL naming the locale,
// and they choose the formats as the program does (core::ApplyRegionalFormats).
//
// Every test process, and every process it starts, runs in folders of its
// own under the build folder (support/ownfolders.h).
#include "support/child.h"
#include "support/ownfolders.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

namespace {
__attribute__((init_priority(101))) kvtest::OwnFolders ownFolders(KV_OWN_FOLDERS_PARENT);
}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("TZ").isEmpty()) qputenv("TZ", "Europe/Helsinki");
    // Finnish also for what the program itself chooses from the environment.
    const bool finnish = qEnvironmentVariableIsEmpty("KV_TEST_SYSTEM_LOCALE");
    if (finnish) qputenv("LC_ALL", "fi_FI.UTF-8");
    const int child = kvtest::runChildIfAsked(argc, argv);
    if (child >= 0) return child;
    QApplication app(argc, argv);
    if (finnish) QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
