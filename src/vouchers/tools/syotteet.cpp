#include "vouchers/tools/syotteet.h"

#include "core/settings.h"
#include "core/ui/helpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

namespace vouchers {

std::optional<dao::Currency> ReadAmount(const QString& text) {
    if (text.trimmed().isEmpty()) return std::nullopt;
    const std::optional<dao::Currency> c = dao::Currency::parse(text, QLocale());
    if (!c || !c->storable()) return std::nullopt;
    return c;
}

QString AmountText(dao::Currency amount) {
    QString s = amount.toInvariantString();
    const QString decimal = QLocale().decimalPoint();
    if (decimal != QLatin1String(".")) s.replace(QLatin1Char('.'), decimal);
    return s;
}

void FilterAmountInput(QLineEdit* box) {
    if (!box) return;
    core::FilterNumericInput(box);
    const QString before = box->text();
    QString text = before;
    while (!text.isEmpty() && !ReadAmount(text)) text.chop(1);
    if (text == before) return;
    box->setText(text);
    box->setCursorPosition(static_cast<int>(text.size()));
}

namespace {

// Whether the locale writes the month before the day in its short dates.
bool monthFirst(const QLocale& loc) {
    const QString f = loc.dateFormat(QLocale::ShortFormat);
    const qsizetype d = f.indexOf(QLatin1Char('d'));
    const qsizetype m = f.indexOf(QLatin1Char('M'));
    return m >= 0 && d >= 0 && m < d;
}

}  // namespace

std::optional<dao::Date> ReadDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    std::optional<dao::Date> d = core::dateValue(t);
    if (!d) {
        // A day and a month without the year.
        static const QRegularExpression dayMonth(QStringLiteral("^(\\d{1,2})\\s*[./-]\\s*(\\d{1,2})\\s*[./-]?$"));
        const QRegularExpressionMatch m = dayMonth.match(t);
        if (!m.hasMatch()) return std::nullopt;
        int day = m.captured(1).toInt();
        int month = m.captured(2).toInt();
        if (monthFirst(QLocale())) std::swap(day, month);
        const QDate q(QDate::currentDate().year(), month, day);
        if (!q.isValid()) return std::nullopt;
        d = dao::Date::fromDate(q);
    }
    if (d->isZero()) return std::nullopt;
    return d;
}

int ListIndex(const QComboBox* combo) {
    if (!combo) return -1;
    const int i = combo->currentIndex();
    if (i < 0) return -1;
    if (combo->isEditable() && combo->currentText() != combo->itemText(i)) return -1;
    return i;
}

long ItemKey(const QComboBox* combo, int i) {
    if (!combo || i < 0 || i >= combo->count()) return 0;
    return static_cast<long>(combo->itemData(i, Qt::UserRole).toLongLong());
}

int MatchItem(const QComboBox* combo, const QString& typed) {
    if (!combo) return -1;
    const QString search = typed.trimmed().isEmpty() ? typed : typed.trimmed();
    for (int p = 0; p < combo->count(); ++p)
        if (combo->itemText(p).startsWith(search, Qt::CaseInsensitive)) return p;
    return -1;
}

}  // namespace vouchers
