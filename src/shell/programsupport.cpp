#include "shell/programsupport.h"

#include "core/records/recordsupport.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ini/inifile.h"
#include "platform/ui/events.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace shell {

namespace {

// Qt's texts from the program's language file, for what Qt's own catalogue
// of the language lacks (the Swedish one has no "Cancel" or "&Yes" for the
// standard buttons of Qt 6, and misses parts of the file and print
// dialogs): section = Qt's context, key = Qt's English text (followed by
// "|" and the disambiguation where Qt gives one). Only read: a text the file
// does not have is left to Qt, and nothing is written into the file.
class LanguageFileQtTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int) const override {
        const QString file = core::Translator().filePath();
        if (file.isEmpty() || !context || !sourceText || !*sourceText) return QString();
        QString key = QString::fromUtf8(sourceText);
        if (disambiguation && *disambiguation) key += u'|' + QString::fromUtf8(disambiguation);
        ini_.FileName(file);
        ini_.Section(QString::fromUtf8(context));
        return ini_.Read(key);
    }
    bool isEmpty() const override { return false; }

private:
    mutable ini::cIniFile ini_;
};

}  // namespace

void InstallQtTranslation(const QString& language) {
    static QTranslator* installed = nullptr;
    static QTranslator* fromLanguageFile = nullptr;
    for (QTranslator** t : {&installed, &fromLanguageFile}) {
        if (!*t) continue;
        QCoreApplication::removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
    // Installed first, so that Qt's catalogue, installed after it, is asked
    // first: the language file only fills in.
    fromLanguageFile = new LanguageFileQtTranslator;
    QCoreApplication::installTranslator(fromLanguageFile);
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

void InstallUnhandledErrorHandler() {
    ui::SetUnhandledErrorHandler([](const QString& where, std::exception_ptr error) {
        qWarning("unhandled error in %s", qPrintable(where));
        core::ShowError(core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Odottamaton virhe: ")), error);
    });
}

}  // namespace shell
