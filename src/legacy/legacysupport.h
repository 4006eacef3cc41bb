#pragma once

// Small helpers the two older windows share: how a typed number, amount or
// date is read by the regional settings of the default QLocale, how an
// amount is written back into a field (both as the voucher window does),
// and the window keys that win over the text boxes' own.

#include "platform/dao/currency.h"
#include "platform/dao/date.h"
#include "vouchers/tools/syotteet.h"

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

class QAction;
class QKeyEvent;
class QWidget;

namespace legacy {

// A typed number, read exactly by the locale's rules (a point or a comma
// is taken as the decimal separator, blanks around it do not count), as
// the voucher window reads an amount. Nothing for an empty text, a text
// that is no number or a number a book cannot store.
inline std::optional<dao::Currency> ReadNumber(const QString& text) { return vouchers::ReadAmount(text); }
inline bool IsNumeric(const QString& text) { return ReadNumber(text).has_value(); }

// A typed whole number within the 32-bit range (a decimal part is rounded
// to the nearest whole number); nothing for any other text.
std::optional<long> ReadLong(const QString& text);

// A typed date: the locale's short form ("5.3.2031", "5.3.31"), the ISO
// form, or a day and a month alone ("5.3." or "5.3"), which take the
// current year. Nothing for any other text and for the zero date, which
// the records take for "no date".
using vouchers::ReadDate;

// An amount as an amount field shows it: digits, the locale's decimal
// separator and only the decimals the amount has ("12,5", "-3", "0").
using vouchers::AmountText;

// Makes the window's shortcut keys (its actions that have one) win over
// the keys a text box, combo box, list or tree would take itself (Ctrl+A,
// Ctrl+Z, ...): every such control inside form is watched.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    WindowKeys(QWidget* form, QList<QAction*> actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isWindowKey(const QKeyEvent* e) const;
    QList<QAction*> actions_;
};

}  // namespace legacy
