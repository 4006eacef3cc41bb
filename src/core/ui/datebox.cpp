#include "core/ui/datebox.h"

#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"

#include <QLineEdit>
#include <QVariant>

namespace core {

namespace {

constexpr const char* kBefore = "kvDateBefore";

QString textBefore(const QLineEdit* box) { return box->property(kBefore).toString(); }

dao::Date dateBefore(const QLineEdit* box) { return dao::Date::fromText(textBefore(box)).value_or(dao::Date()); }

QString notStored(const QString& typed) {
    const QString shown = typed.trimmed().isEmpty()
                              ? TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("(tyhjä)"))
                              : typed.trimmed();
    return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Päivämäärää ei tallennettu, koska se ei ole päivämäärä:")) +
           QLatin1Char(' ') + shown;
}

// The characters that the shown form of a date writes between its parts.
QString dateSeparators() {
    QString separators;
    for (const QChar c : dao::Date::fromYmd(2031, 12, 31).toShortString())
        if (!c.isDigit() && !separators.contains(c)) separators += c;
    return separators;
}

}  // namespace

void WatchDateBox(QLineEdit* box) {
    if (!box || box->property(kBefore).isValid()) return;
    box->setProperty(kBefore, box->text());
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        // Text put in by the program (setText clears the modified flag) is
        // a date the record holds; text typed by the user is not yet.
        if (!box->isModified()) box->setProperty(kBefore, box->text());
    });
}

dao::Date TypedDate(const QLineEdit* box) {
    if (!box) return dao::Date();
    return dao::Date::fromWholeText(box->text()).value_or(dateBefore(box));
}

bool DateBoxTyped(const QLineEdit* box) { return box && box->text() != textBefore(box); }

std::optional<dao::Date> AcceptDateBox(QLineEdit* box, const QString& refusal) {
    if (!box) return dao::Date();
    const QString text = box->text();
    std::optional<dao::Date> date = dao::Date::fromText(text);
    // An empty box that was empty before stands for no date, as it did.
    if (!date && text.trimmed().isEmpty() && textBefore(box).trimmed().isEmpty()) date = dao::Date();
    if (date) {
        box->setProperty(kBefore, text);
        return date;
    }
    // The box shows the date kept before the user is told, so that nothing
    // run meanwhile reads the refused text.
    box->setText(textBefore(box));
    BeepIfSoundOn();
    ShowInfo(refusal.isEmpty() ? notStored(text) : refusal);
    return std::nullopt;
}

int DateBoxStep(const QLineEdit* box, int keyAscii) {
    if (keyAscii != '+' && keyAscii != '-') return 0;
    const int days = keyAscii == '+' ? 1 : -1;
    if (!box || !dateSeparators().contains(QChar(keyAscii))) return days;
    const QString text = box->text();
    const bool typingADate = !text.trimmed().isEmpty() && box->selectedText() != text &&
                             !dao::Date::fromWholeText(text).has_value();
    return typingADate ? 0 : days;
}

QString OutsideFinancialYear() {
    return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tositteen päivämäärän tulee kuulua tilikauteen!")) +
           QStringLiteral("\r\n\r\n") + TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Tilikausi:")) +
           QLatin1Char(' ') + TilikausiAlku.toShortString() + QStringLiteral(" - ") + TilikausiLoppu.toShortString();
}

}  // namespace core
