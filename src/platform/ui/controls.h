#pragma once

// Control names, control arrays, the making of named controls, Enter as
// Tab and the beep.
//
// A control array is a set of controls with one base name told apart by an
// index; each element's objectName is "name(i)" (cTositePohja(1),
// lblKuukausi(0), ...).

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <algorithm>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;

namespace ui {

// "name(index)".
QString ArrayName(const QString& name, int index);

// Splits "name(i)" into name and i; false for a name that is no array element.
bool SplitArrayName(const QString& objectName, QString* name, int* index);

// Index of a control array element, -1 for other objects.
int ArrayIndex(const QObject* control);

// The control (widget, action, ...) named name inside root, or nullptr.
template <class T = QObject>
T* FindControl(const QObject* root, const QString& name) {
    if (!root) return nullptr;
    return root->findChild<T*>(name);
}

// Element index of control array name inside root, or nullptr.
template <class T = QObject>
T* FindControl(const QObject* root, const QString& name, int index) {
    return FindControl<T>(root, ArrayName(name, index));
}

// Every element of control array name inside root, by index.
template <class T = QObject>
QList<T*> ControlArray(const QObject* root, const QString& name) {
    QList<T*> out;
    if (!root) return out;
    for (T* c : root->findChildren<T*>()) {
        QString base;
        int i = 0;
        if (SplitArrayName(c->objectName(), &base, &i) && base == name) out << c;
    }
    std::sort(out.begin(), out.end(), [](const T* a, const T* b) { return ArrayIndex(a) < ArrayIndex(b); });
    return out;
}

// w with its objectName set: a control made and named in one expression.
template <class T>
T* named(T* w, const QString& objectName) {
    w->setObjectName(objectName);
    return w;
}

// Named controls, made as the windows lay themselves out: the objectName
// is the control's name in the window (tests and translations find it by
// that name). A tool tip is set only when there is one.
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        const QString& toolTip = QString());
QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& caption);
// A label whose text wraps at its width.
QLabel* makeWrappedLabel(QWidget* parent, const QString& objectName, const QString& text);
QLineEdit* makeLineEdit(QWidget* parent, const QString& objectName);
QFrame* makeFrame(QWidget* parent, const QString& objectName);
QGroupBox* makeGroupBox(QWidget* parent, const QString& objectName, const QString& caption);

// A menu of the menu bar, added to it.
QMenu* addMenu(QMenuBar* bar, const QString& objectName, const QString& caption);

// A menu item without a key.
QAction* addMenuAction(QMenu* menu, const QString& objectName, const QString& caption);
// A menu item. With a key, the key belongs to the whole window (a window
// shortcut added to window), whichever of its controls has the focus: in a
// ui::Form it wins over the control's own use of the key (forms.h).
QAction* addWindowAction(QMenu* menu, QWidget* window, const QString& objectName, const QString& caption,
                         const QKeySequence& key = QKeySequence());

// For key handlers: when key is 13 (Enter), moves the focus on to the next
// control of the focused window's tab order, as the Tab key would. Any other
// key does nothing. The caller's key is not changed either way.
void EnterAsTab(int key);

// The system beep.
void Beep();

}  // namespace ui
