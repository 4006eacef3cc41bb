#pragma once

// Small helpers the two older windows share: how a typed number, amount or
// date is read and how an amount is written back into a field (as every
// window does, core/values.h), and the window keys that win over the text
// boxes' own.

#include "core/values.h"

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

class QAction;
class QKeyEvent;
class QWidget;

namespace legacy {

// A typed number, read as an amount is ("12,5" and "12.5" alike under any
// locale). Nothing for an empty text, a text that is no number or a number
// a book cannot store.
inline std::optional<dao::Currency> ReadNumber(const QString& text) { return core::ReadAmount(text); }
inline bool IsNumeric(const QString& text) { return ReadNumber(text).has_value(); }

// A typed whole number within the 32-bit range (a decimal part is rounded
// to the nearest whole number); nothing for any other text.
std::optional<long> ReadLong(const QString& text);

// A typed date ("5.3.2031", "5.3.31", "5.3."); nothing for any other text
// and for the zero date, which the records take for "no date".
using core::ReadDate;

// An amount as an amount field shows it: "1 234,50" in Finnish.
using core::AmountText;

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
