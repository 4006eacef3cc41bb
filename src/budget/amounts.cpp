#include "budget/amounts.h"

#include "core/ui/helpers.h"

#include <QLineEdit>
#include <QLocale>
#include <cmath>

namespace budget {

QString AmountText(dao::Currency amount) {
    QString text = amount.toInvariantString();
    const QString decimal = QLocale().decimalPoint();
    if (decimal != QLatin1String(".")) text.replace(QLatin1Char('.'), decimal);
    return text;
}

std::optional<dao::Currency> ReadAmount(const QString& text) {
    std::optional<dao::Currency> amount = dao::Currency::parse(text);
    if (!amount) {
        // Forms the exact reading leaves out (an exponent, digits of other
        // scripts): through the C form of the number.
        const QLocale loc;
        QString plain;
        for (const QChar c : text.trimmed()) {
            if (c.isDigit())
                plain += QChar(u'0' + c.digitValue());
            else if (QString(c) == loc.decimalPoint() || c == QLatin1Char(',') || c == QLatin1Char('.'))
                plain += QLatin1Char('.');
            else if (c == QLatin1Char('-') || c == QChar(0x2212) || QString(c) == loc.negativeSign())
                plain += QLatin1Char('-');
            else if (c == QLatin1Char('+') || c == QLatin1Char('e') || c == QLatin1Char('E'))
                plain += c.toLower();
            else if (!(c.isSpace() || QString(c) == loc.groupSeparator()))
                return std::nullopt;
        }
        bool ok = false;
        const double d = plain.toDouble(&ok);
        if (!ok || !std::isfinite(d) || std::fabs(d) >= 9.0e14) return std::nullopt;
        amount = dao::Currency::fromDouble(d);
    }
    if (!amount->storable()) return std::nullopt;
    return amount;
}

void KeepStorableAmount(QLineEdit* cell) {
    if (!cell) return;
    const QString before = cell->text();
    QString text = before;
    auto fits = [](const QString& t) {
        return t.trimmed().isEmpty() || t == QLatin1String("-") || ReadAmount(t).has_value();
    };
    while (!fits(text)) text.chop(1);
    if (text == before) return;
    cell->setText(text);
    cell->setCursorPosition(int(text.size()));
    core::BeepIfSoundOn();
}

}  // namespace budget
