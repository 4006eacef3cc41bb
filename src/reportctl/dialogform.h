#pragma once

// The small modal dialogs of the reports: a window of fixed size (given in
// twips) with an accept button that Enter presses and a cancel button that
// Esc presses, wherever the focus is - except that Enter on a focused push
// button presses that button.

#include "platform/ui/forms.h"

class QAbstractButton;
class QEvent;
class QKeyEvent;

namespace reports {

class DialogForm : public ui::Form {
    Q_OBJECT
protected:
    DialogForm(const QString& name, int widthTwips, int heightTwips);

    // Enter presses accept, Esc presses cancel (either may be hidden).
    void setDialogButtons(QAbstractButton* accept, QAbstractButton* cancel);
    // Fixes the window at its size: the size in twips, or what its layout
    // needs when that is more. Called once the controls are laid out; the
    // size follows when the controls later need more (a translated text).
    void fixSize();

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int widthTwips_;
    int heightTwips_;
    bool sizeFixed_ = false;
    QAbstractButton* accept_ = nullptr;
    QAbstractButton* cancel_ = nullptr;
};

}  // namespace reports
