#include "core/records/recordsupport.h"

#include "core/dbc.h"

#include <QFileInfo>
#include <cstdio>
#include <exception>

namespace core {

namespace {

void writeToStderr(const QString& what, const dao::DaoError& error) {
    const QByteArray text = QStringLiteral("%1: %2 (%3)\n").arg(what, error.description()).arg(error.number()).toUtf8();
    std::fputs(text.constData(), stderr);
}

ReleaseErrorHandler& handlerSlot() {
    static ReleaseErrorHandler handler;
    return handler;
}

// Two paths name the same book when their texts are equal or when they lead
// to the same existing file.
bool sameBook(const QString& a, const QString& b) {
    if (a == b) return true;
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

ReleaseErrorHandler setReleaseErrorHandler(ReleaseErrorHandler handler) {
    ReleaseErrorHandler previous = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return previous;
}

void reportReleaseError(const QString& what, const dao::DaoError& error) noexcept {
    try {
        if (handlerSlot()) {
            handlerSlot()(what, error);
            return;
        }
    } catch (...) {
        // The handler failed; the error still gets written out below.
    }
    try {
        writeToStderr(what, error);
    } catch (...) {
        // Not even the text could be made (no memory left): there is no one
        // else to tell, and a release must not raise.
    }
}

namespace detail {

void BookTie::bindCurrent() {
    path_ = DBCon().openedPath();
    generation_ = DBCon().generation();
}

dao::Database BookTie::open() { return DBCon().AvaaDB(); }

bool BookTie::belongsToOpenBook() const {
    return generation_ == DBCon().generation() && sameBook(path_, DBCon().openedPath());
}

void BookTie::refuse(const QString& what) const {
    if (sameBook(path_, DBCon().openedPath()))
        throw dao::DaoError(kOtherBookError,
                            QStringLiteral("%1 on luettu tietokannasta %2 ennen kuin tietokanta suljettiin tai "
                                           "sen tauluja muutettiin; vanhentuneita tietoja ei kirjoiteta.")
                                .arg(what, path_));
    throw dao::DaoError(kOtherBookError,
                        QStringLiteral("%1 on luettu tietokannasta %2, mutta nyt avoinna on %3; "
                                       "muutoksia ei kirjoiteta toiseen tietokantaan.")
                            .arg(what, path_, DBCon().openedPath()));
}

QString cutText(const QString& s, qsizetype width) {
    if (s.size() <= width) return s;
    qsizetype n = width;
    if (n > 0 && s.at(n - 1).isHighSurrogate()) --n;
    return s.left(n);
}

void saveOnDestruction(const std::function<QString()>& what, const std::function<void()>& save) noexcept {
    auto describe = [&]() -> QString {
        try {
            return what();
        } catch (...) {
            // The record could not even name itself; the failure of its
            // save is told all the same.
            return QStringLiteral("?");
        }
    };
    try {
        save();
    } catch (const dao::DaoError& e) {
        reportReleaseError(describe(), e);
    } catch (const errors::NumberedError& e) {
        reportReleaseError(describe(), dao::DaoError(e.number(), e.description()));
    } catch (const std::exception& e) {
        reportReleaseError(describe(), dao::DaoError(0, QString::fromUtf8(e.what())));
    } catch (...) {
        // Nothing else is raised on purpose; whatever it was, the edits were
        // not stored, and the user is told so.
        reportReleaseError(describe(), dao::DaoError(0, QStringLiteral("tuntematon virhe")));
    }
}

}  // namespace detail
}  // namespace core
