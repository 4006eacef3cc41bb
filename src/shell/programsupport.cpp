#include "shell/programsupport.h"

#include "core/records/recordsupport.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace shell {

void InstallQtTranslation(const QString& language) {
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    const QString code = language == QLatin1String("Svenska") ? QStringLiteral("sv") : QStringLiteral("fi");
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* t = new QTranslator;
    if (t->load(QStringLiteral("qtbase_") + code, folder) || t->load(QStringLiteral("qt_") + code, folder)) {
        QCoreApplication::installTranslator(t);
        installed = t;
    } else {
        delete t;
    }
}

void InstallReleaseErrorHandler() {
    core::setReleaseErrorHandler([](const QString& what, const dao::DaoError& error) {
        core::ShowCritical(core::TranslateStr(QStringLiteral("Yleiset"),
                                              QStringLiteral("Muutosten tallentaminen tietokantaan ei onnistunut.")) +
                           QStringLiteral("\n\n") + what + QStringLiteral("\n") + QString::number(error.number()) +
                           QStringLiteral(" / ") + error.description());
    });
}

}  // namespace shell
