#include "legacy/legacysupport.h"

#include "core/settings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QWidget>
#include <climits>

namespace legacy {

std::optional<dao::Currency> ReadNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    const std::optional<dao::Currency> c = dao::Currency::parse(t, QLocale());
    if (!c || !c->storable()) return std::nullopt;
    return c;
}

std::optional<long> ReadLong(const QString& text) {
    const std::optional<dao::Currency> c = ReadNumber(text);
    if (!c) return std::nullopt;
    // To the nearest whole number, halves away from zero.
    const std::int64_t raw = c->raw();
    const std::int64_t half = dao::Currency::kScale / 2;
    const std::int64_t whole = raw >= 0 ? (raw + half) / dao::Currency::kScale : -((-raw + half) / dao::Currency::kScale);
    if (whole > LONG_MAX || whole < LONG_MIN || whole > INT32_MAX || whole < INT32_MIN) return std::nullopt;
    return static_cast<long>(whole);
}

namespace {

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

QString AmountText(dao::Currency amount) {
    QString s = amount.toInvariantString();
    const QString decimal = QLocale().decimalPoint();
    if (decimal != QLatin1String(".")) s.replace(QLatin1Char('.'), decimal);
    return s;
}

// ---------------------------------------------------------------- window keys

WindowKeys::WindowKeys(QWidget* form, QList<QAction*> actions) : QObject(form), actions_(std::move(actions)) {
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w))
            w->installEventFilter(this);
    }
}

bool WindowKeys::isWindowKey(const QKeyEvent* e) const {
    const QKeySequence pressed(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key())));
    for (const QAction* a : actions_)
        if (!a->shortcut().isEmpty() && a->shortcut() == pressed) return true;
    return false;
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isWindowKey(static_cast<QKeyEvent*>(event))) {
        // Not taken by the control: the window's shortcut runs.
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace legacy
