#include "vouchers/tools/toolsupport.h"

#include "core/ui/helpers.h"
#include "platform/dao/error.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace vouchers {

void RunReported(const QString& errorPrefix, const std::function<void()>& f) {
    try {
        f();
    } catch (const dao::DaoError& e) {
        core::ShowCritical(errorPrefix + QString::number(e.number()) + QStringLiteral(" / ") + e.description());
    } catch (const std::exception& e) {
        core::ShowCritical(errorPrefix + QString::fromLocal8Bit(e.what()));
    }
}

PickList::PickList(QWidget* parent) : QListWidget(parent) {}

void PickList::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

WindowKeys::WindowKeys(QWidget* window) : QObject(window), window_(window) {}

void WindowKeys::add(QAction* action) {
    action->setShortcutContext(Qt::WindowShortcut);
    window_->addAction(action);
    actions_ << action;
}

void WindowKeys::watch(QWidget* control) {
    control->installEventFilter(this);
    if (auto* c = qobject_cast<QComboBox*>(control); c && c->lineEdit()) c->lineEdit()->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* e = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(QKeyCombination(e->modifiers() & ~Qt::KeypadModifier, Qt::Key(e->key())));
        for (const QAction* a : actions_) {
            if (a->shortcut() == pressed) {
                // Not taken by the control: the window's shortcut runs.
                event->ignore();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vouchers
