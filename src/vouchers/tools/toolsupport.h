#pragma once

// What the voucher tools' windows share: a list whose line is picked only by
// the user, and window keys that win over the keys a text box or list would
// take itself (Ctrl+Z, Ctrl+A, ...).

#include <QList>
#include <QListWidget>
#include <QObject>
#include <QString>

class QAction;
class QComboBox;
class QLineEdit;
class QStandardItemModel;
class QWidget;

namespace vouchers {

// The controls of an entry row, as the voucher window and the template
// window lay them out: element index of control array name. A combo of
// accounts or cost centres over a list the row combos share, typed text
// matched to an item when the box is left, wide enough for minChars; a box
// for an amount.
QComboBox* MakeEntryCombo(QWidget* parent, const QString& name, int index, QStandardItemModel* model, int minChars);
QLineEdit* MakeAmountBox(QWidget* parent, const QString& name, int index);

// A list whose choosing of a line loads something: taking the focus by
// the keyboard does not pick a line by itself, as an item view otherwise
// would; a line is picked by the user (mouse or arrow keys) or by the
// window.
class PickList : public QListWidget {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// The keys of a window's menu items run their commands also while a text
// box, combo or list has the focus.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    explicit WindowKeys(QWidget* window);

    // A menu item with a key: the key belongs to the whole window.
    void add(QAction* action);
    // A control (and the line edit of an editable combo) whose own use of
    // those keys gives way to the window's.
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QList<QAction*> actions_;
};

}  // namespace vouchers
