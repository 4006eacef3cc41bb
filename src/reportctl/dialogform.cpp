#include "reportctl/dialogform.h"

#include "platform/ui/twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

namespace reports {

DialogForm::DialogForm(const QString& name, int widthTwips, int heightTwips)
    : ui::Form(name), widthTwips_(widthTwips), heightTwips_(heightTwips) {
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void DialogForm::setDialogButtons(QAbstractButton* accept, QAbstractButton* cancel) {
    accept_ = accept;
    cancel_ = cancel;
    if (auto* b = qobject_cast<QPushButton*>(accept)) b->setDefault(true);
}

void DialogForm::fixSize() {
    QSize size(ui::TwipsToPixelsX(this, widthTwips_), ui::TwipsToPixelsY(this, heightTwips_));
    if (layout()) size = size.expandedTo(layout()->minimumSize());
    sizeFixed_ = true;
    if (size != minimumSize() || size != maximumSize()) setFixedSize(size);
}

bool DialogForm::event(QEvent* event) {
    const bool handled = ui::Form::event(event);
    // The controls' needs changed (the layout has been redone): the fixed
    // size follows them.
    if (event->type() == QEvent::LayoutRequest && sizeFixed_) fixSize();
    return handled;
}

void DialogForm::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QAbstractButton* target = focused && isAncestorOf(focused) ? focused : accept_;
        if (target && target->isEnabled()) {
            event->accept();
            target->click();
            return;
        }
    } else if (plain && event->key() == Qt::Key_Escape && cancel_ && cancel_->isEnabled()) {
        event->accept();
        cancel_->click();
        return;
    }
    ui::Form::keyPressEvent(event);
}

}  // namespace reports
