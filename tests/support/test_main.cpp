// Test entry point: a Qt application (offscreen), the Finnish locale and a
// fixed time zone, so that every test sees the same regional settings.
#include "support/child.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("TZ").isEmpty()) qputenv("TZ", "Europe/Helsinki");
    const int child = kvtest::runChildIfAsked(argc, argv);
    if (child >= 0) return child;
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
