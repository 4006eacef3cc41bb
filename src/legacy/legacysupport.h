#pragma once

// What the two older windows share: the window keys that win over the
// text boxes' own. Their fields read and write amounts and dates as every
// window does (dao::Currency, dao::Date), and whole numbers with
// core::ReadWholeNumber.

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QKeyEvent;
class QWidget;

namespace legacy {

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
