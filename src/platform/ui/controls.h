#pragma once

// Control names, control arrays, Enter as Tab and the beep.
//
// A control array is a set of controls with one base name told apart by an
// index; each element's objectName is "name(i)" (cTositePohja(1),
// lblKuukausi(0), ...).

#include <QList>
#include <QObject>
#include <QString>
#include <algorithm>

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

// For key handlers: when key is 13 (Enter), moves the focus on to the next
// control of the focused window's tab order, as the Tab key would. Any other
// key does nothing. The caller's key is not changed either way.
void EnterAsTab(int key);

// The system beep.
void Beep();

}  // namespace ui
