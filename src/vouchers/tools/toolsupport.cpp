#include "vouchers/tools/toolsupport.h"

#include "platform/ui/controls.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QWidget>

namespace vouchers {

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

QComboBox* MakeEntryCombo(QWidget* parent, const QString& name, int index, QStandardItemModel* model, int minChars) {
    auto* c = new QComboBox(parent);
    c->setObjectName(ui::ArrayName(name, index));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);  // typed text is matched when the box is left
    c->setModel(model);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(minChars);
    c->setMaxVisibleItems(20);
    return c;
}

QLineEdit* MakeAmountBox(QWidget* parent, const QString& name, int index) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(ui::ArrayName(name, index));
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setMinimumWidth(90);
    return e;
}

}  // namespace vouchers
