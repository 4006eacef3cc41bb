#include "platform/ui/controls.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption, const QString& toolTip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    if (!toolTip.isEmpty()) b->setToolTip(toolTip);
    return b;
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(objectName);
    return l;
}

QLabel* makeWrappedLabel(QWidget* parent, const QString& objectName, const QString& text) {
    QLabel* l = makeLabel(parent, objectName, text);
    l->setWordWrap(true);
    return l;
}

QLineEdit* makeLineEdit(QWidget* parent, const QString& objectName) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    return e;
}

QFrame* makeFrame(QWidget* parent, const QString& objectName) {
    auto* f = new QFrame(parent);
    f->setObjectName(objectName);
    return f;
}

QGroupBox* makeGroupBox(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(objectName);
    return g;
}

QMenu* addMenu(QMenuBar* bar, const QString& objectName, const QString& caption) {
    auto* m = new QMenu(caption, bar);
    m->setObjectName(objectName);
    bar->addMenu(m);
    return m;
}

QAction* addMenuAction(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(objectName);
    return a;
}

QAction* addWindowAction(QMenu* menu, QWidget* window, const QString& objectName, const QString& caption,
                         const QKeySequence& key) {
    QAction* a = addMenuAction(menu, objectName, caption);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a);
    }
    return a;
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
