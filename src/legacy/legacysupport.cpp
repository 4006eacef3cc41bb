#include "legacy/legacysupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace legacy {

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
