#include "core/ui/amountbox.h"

#include "core/ui/helpers.h"
#include "core/ui/translator.h"

#include <QLineEdit>
#include <QVariant>

namespace core {

namespace {

constexpr const char* kBefore = "kvAmountBefore";

QString textBefore(const QLineEdit* box) { return box->property(kBefore).toString(); }

}  // namespace

void WatchAmountBox(QLineEdit* box) {
    if (!box) return;
    box->setProperty(kBefore, box->text());
    QObject::connect(box, &QLineEdit::textChanged, box, [box] {
        // Text put in by the program (setText clears the modified flag) is
        // an amount the box holds; text typed by the user is not yet.
        if (!box->isModified()) box->setProperty(kBefore, box->text());
    });
}

dao::Currency TypedAmount(const QLineEdit* box) {
    if (!box) return dao::Currency();
    for (const QString& text : {box->text(), textBefore(box)}) {
        if (text.trimmed().isEmpty()) return dao::Currency();
        if (const std::optional<dao::Currency> amount = dao::Currency::parse(text)) return *amount;
    }
    return dao::Currency();
}

bool AcceptAmountBox(QLineEdit* box, const QString& field) {
    if (!box) return true;
    const QString text = box->text();
    if (text.trimmed().isEmpty() || dao::Currency::parse(text)) {
        box->setProperty(kBefore, text);
        return true;
    }
    BeepIfSoundOn();
    ShowInfo(TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("%1: \"%2\" ei ole rahamäärä."))
                 .arg(field, text.trimmed()) +
             QStringLiteral("\r\n\r\n") +
             TranslateStr(QStringLiteral("Yleiset"),
                          QStringLiteral("Kirjoita rahamäärä numeroin; desimaalierottimeksi käy pilkku tai piste, ja "
                                         "desimaaleja voi olla enintään neljä. Kenttä sai takaisin edellisen "
                                         "arvonsa.")));
    box->setText(textBefore(box));
    return false;
}

}  // namespace core
