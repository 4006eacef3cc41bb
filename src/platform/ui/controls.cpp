#include "platform/ui/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

QString ArrayName(const QString& name, int index) {
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

bool SplitArrayName(const QString& objectName, QString* name, int* index) {
    if (!objectName.endsWith(QLatin1Char(')'))) return false;
    const qsizetype open = objectName.lastIndexOf(QLatin1Char('('));
    if (open <= 0) return false;
    bool ok = false;
    const int i = objectName.mid(open + 1, objectName.size() - open - 2).toInt(&ok);
    if (!ok || i < 0) return false;
    if (name) *name = objectName.left(open);
    if (index) *index = i;
    return true;
}

int ArrayIndex(const QObject* control) {
    int i = -1;
    if (!control || !SplitArrayName(control->objectName(), nullptr, &i)) return -1;
    return i;
}

void EnterAsTab(int key) {
    if (key != 13) return;
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return;
    // The Tab key goes through the widget's own key handling, so the focus
    // moves along the window's tab order exactly as a typed Tab would move it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(focus, &press);
    QApplication::sendEvent(focus, &release);
}

void Beep() { QApplication::beep(); }

}  // namespace ui
