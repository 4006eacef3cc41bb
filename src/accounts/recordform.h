#pragma once

// RecordForm<T>: the accounts window and the cost-centre window, as far as
// they are one window. Each keeps the rows of one table (T: core::cTili for
// `tl`, cKustannuspaikka for `kp`), lists them all beside the fields and
// shows one at a time in a number box, a name box and a description box.
//
// The shown record is a T; typing changes it in memory, and it writes
// itself on "Tallenna" and "Selaa", and whenever another takes its place or
// the window closes. Its NameChanged event keeps its line of the window's
// list in step while the user types. The window restores its placement as
// it loads but never stores it.
//
// The record commands, a button and a menu item each, the item carrying the
// key: new (F2), save (F3), delete (F4), browse (F5: the record stored, the
// list read again), cancel (Ctrl+Z), and first (Ctrl+A), previous (Ctrl+S),
// next (Ctrl+D) and last (Ctrl+F) in number order. The delete command and
// the list are each window's own.

#include "accounts/recordwindow.h"
#include "core/records/recordsupport.h"
#include "core/wholenumber.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/error.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/forms.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <functional>
#include <memory>

namespace accounts::detail {

// What each window names in its own way.
struct RecordFormTexts {
    const char* numberLabel;   // objectName of the number's label
    const char* numberBox;     // objectName of the number box
    const char* frameCaption;  // caption of the fields' frame
    const char* uusiTip;       // tool tips of the commands that name the record
    const char* tallennaTip;
    const char* poistaTip;
    const char* selaaTip;
    const char* firstAction;   // objectName of the menu item "Siirry ensimmäiseen"
    const char* described;     // a record in an error of its save on release: number %1, key %2
};

template <class T>
class RecordForm : public ui::Form {
public:
    static constexpr int kNimiPituus = 50;
    static constexpr int kKuvausPituus = 255;

    // The record shown now; the placeholder (IsEmpty) when none is.
    const T& shownRecord() const { return *cur_; }
    // Makes r the shown record (nullptr: the placeholder) and fills the
    // fields from it. The one shown before is let go and saves its own
    // unsaved edits; an error of that save goes to the release-error sink.
    void ShowRecord(std::unique_ptr<T> r);
    // The fields from the shown record; empty and disabled for the placeholder.
    virtual void RefreshFields() = 0;
    // A new record, stored at once: number 0, name and description blank.
    static std::unique_ptr<T> NewRecord() {
        auto r = std::make_unique<T>();
        r->Save(true);
        return r;
    }

    // ---- The record commands (the buttons and their menu items)
    void Uusi();
    void Tallenna() {
        run([this] { cur_->Save(false); });
    }
    virtual void Poista() = 0;
    void Selaa() {
        run([this] {
            // The record on screen keeps what was typed into it: it is
            // stored before the list is read again.
            cur_->Save(false);
            ReadList();
        });
    }
    void Peru();
    void Ensimmainen() { browse(&T::GetFirst); }
    void Edellinen() { browse(&T::GetPrevious); }
    void Seuraava() { browse(&T::GetNext); }
    void Viimeinen() { browse(&T::GetLast); }
    void Sulje() { ui::Forms::unload(*this); }

    // Stores the one shown, as leaving it does; reads the book again
    // afterwards, back on the same one when it is still there.
    bool StorePendingEdits() override;
    void ReadBookAgain() override;

    // ---- Controls
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTietue = nullptr;
    QAction* mUusi = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPoista = nullptr;
    QAction* mSelaa = nullptr;
    QAction* mPeru = nullptr;
    QAction* mEnsimmainen = nullptr;
    QAction* mEdellinen = nullptr;
    QAction* mSeuraava = nullptr;
    QAction* mViimeinen = nullptr;

    QGroupBox* frameTilit = nullptr;
    QLabel* lblNimi = nullptr;
    QLineEdit* tNimi = nullptr;
    QLabel* lblKuvaus = nullptr;
    QPlainTextEdit* tKuvaus = nullptr;

    QPushButton* cUusi = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cEnsimmainen = nullptr;  // "cEnsimmäinen"
    QPushButton* cEdellinen = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cViimeinen = nullptr;
    QPushButton* cSulje = nullptr;

protected:
    RecordForm(const QString& name, const RecordFormTexts& texts);
    ~RecordForm() override;

    void Load() override;
    void Unload() override;

    // Reads the window's list of every record again.
    virtual void ReadList() = 0;
    // The shown record's NameChanged.
    virtual void ShownNameChanged(long id, long number, const QString& name) = 0;

    // The menu bar with its two menus, on the window's layout.
    void buildMenus(QVBoxLayout* layout);
    // The fields' frame: the number, name and description with their labels.
    void buildFields(QLabel*& numberLabel, QLineEdit*& numberBox);
    // The record commands, then a stretch, on buttons.
    void addRecordCommands(QHBoxLayout* buttons);
    // A command: its button on buttons, its item in menu.
    void addCommand(QHBoxLayout* buttons, QMenu* menu, const CommandDef& def, QPushButton*& button, QAction*& action,
                    std::function<void()> handler);
    // Typing in the number, name and description boxes changes the shown record.
    void connectFieldEvents(QLineEdit* numberBox);
    // Deletes the shown record from the book (the caller shows another).
    void deleteShown() {
        owned_->NameChanged = nullptr;
        owned_->Delete();
    }

    // Runs a command; what it raises is shown to the user.
    const core::CommandRunner run;
    T* cur_ = nullptr;  // owned_ or placeholder_

private:
    void browse(std::unique_ptr<T> (T::*step)() const);
    // Lets the shown record go: saves its pending edits, an error to the sink.
    void releaseShown();

    RecordFormTexts texts_;
    QLineEdit* numberBox_ = nullptr;
    std::unique_ptr<T> owned_;
    std::unique_ptr<T> placeholder_;
};

// ---------------------------------------------------------------- the window

template <class T>
RecordForm<T>::RecordForm(const QString& name, const RecordFormTexts& texts)
    : ui::Form(name),
      run([name] { return core::TranslateStr(name, QStringLiteral("Virhe:")) + u' '; }, ui::Icon::Information),
      texts_(texts) {
    // The window restores its placement itself as it loads and never
    // stores it.
    setProperty(core::kOwnPlacementProperty, true);
    // Shown from the load on; until then typing reaches no record.
    placeholder_ = std::make_unique<T>();
    placeholder_->setIsEmpty(true);
}

template <class T>
RecordForm<T>::~RecordForm() {
    // No handler may reach a record while the window goes.
    if (owned_) owned_->NameChanged = nullptr;
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

template <class T>
void RecordForm<T>::Load() {
    core::LoadFormPosition(this);
    core::Translate(this);
    run([this] { ReadList(); });
    ShowRecord(nullptr);
}

template <class T>
void RecordForm<T>::Unload() {
    releaseShown();
}

template <class T>
bool RecordForm<T>::StorePendingEdits() {
    // An error reaches the caller: the book is then left alone.
    if (!cur_->IsEmpty()) cur_->Save(false);
    return true;
}

template <class T>
void RecordForm<T>::ReadBookAgain() {
    // The one shown was stored before the book changed; it is read anew.
    const long shown = cur_->IsEmpty() ? 0 : cur_->id();
    run([this, shown] {
        ReadList();
        auto again = std::make_unique<T>();
        if (shown > 0 && again->Read(shown))
            ShowRecord(std::move(again));
        else
            ShowRecord(nullptr);
    });
}

template <class T>
void RecordForm<T>::releaseShown() {
    if (!owned_) return;
    owned_->NameChanged = nullptr;
    try {
        owned_->Release();
    } catch (const dao::DaoError& e) {
        core::reportReleaseError(QString::fromUtf8(texts_.described).arg(owned_->Numero()).arg(owned_->id()), e);
    }
}

// ---------------------------------------------------------------- the shown record

template <class T>
void RecordForm<T>::ShowRecord(std::unique_ptr<T> r) {
    std::unique_ptr<T> previous = std::move(owned_);
    if (r && !r->IsEmpty()) {
        owned_ = std::move(r);
        cur_ = owned_.get();
        owned_->NameChanged = [this](long id, long number, const QString& name) { ShownNameChanged(id, number, name); };
    } else {
        cur_ = placeholder_.get();
    }
    if (previous) {
        // Let go: it writes its own unsaved edits (errors to the sink).
        previous->NameChanged = nullptr;
        previous.reset();
    }
    RefreshFields();
}

// ---------------------------------------------------------------- commands

template <class T>
void RecordForm<T>::Uusi() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        ShowRecord(NewRecord());
        numberBox_->setFocus();
    });
}

template <class T>
void RecordForm<T>::Peru() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        cur_->Undo();
        RefreshFields();
    });
}

template <class T>
void RecordForm<T>::browse(std::unique_ptr<T> (T::*step)() const) {
    run([this, step] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        std::unique_ptr<T> found = (cur_->*step)();
        if (found->IsEmpty())
            ui::Beep();
        else
            ShowRecord(std::move(found));
    });
}

// ---------------------------------------------------------------- layout

template <class T>
void RecordForm<T>::buildMenus(QVBoxLayout* layout) {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(menuBar);
    mTiedosto = ui::addMenu(menuBar, "mTiedosto", "&Tiedosto");
    mTietue = ui::addMenu(menuBar, "mTietue", "T&ietue");
}

template <class T>
void RecordForm<T>::buildFields(QLabel*& numberLabel, QLineEdit*& numberBox) {
    frameTilit = ui::makeGroupBox(this, QStringLiteral("frameTilit"), QString::fromUtf8(texts_.frameCaption));
    auto* fields = new QGridLayout(frameTilit);
    numberLabel = ui::makeLabel(frameTilit, texts_.numberLabel, "Numero:");
    numberBox = numberBox_ = ui::makeLineEdit(frameTilit, QString::fromUtf8(texts_.numberBox));
    lblNimi = ui::makeLabel(frameTilit, "lblNimi", "Nimi:");
    tNimi = ui::makeLineEdit(frameTilit, QStringLiteral("tNimi"));
    tNimi->setMaxLength(kNimiPituus);
    lblKuvaus = ui::makeLabel(frameTilit, "lblKuvaus", "Kuvaus:");
    tKuvaus = new QPlainTextEdit(frameTilit);
    tKuvaus->setObjectName(QStringLiteral("tKuvaus"));
    tKuvaus->setTabChangesFocus(true);
    fields->addWidget(numberLabel, 0, 0);
    fields->addWidget(numberBox, 0, 1);
    fields->addWidget(lblNimi, 1, 0);
    fields->addWidget(tNimi, 1, 1);
    fields->addWidget(lblKuvaus, 2, 0, Qt::AlignTop);
    fields->addWidget(tKuvaus, 2, 1);
}

template <class T>
void RecordForm<T>::addCommand(QHBoxLayout* buttons, QMenu* menu, const CommandDef& def, QPushButton*& button,
                               QAction*& action, std::function<void()> handler) {
    const Command c = MakeCommand(def, this, menu, std::move(handler));
    button = c.button;
    action = c.action;
    buttons->addWidget(button);
}

template <class T>
void RecordForm<T>::addRecordCommands(QHBoxLayout* buttons) {
    using K = QKeySequence;
    auto command = [&](const CommandDef& def, QPushButton*& button, QAction*& action, void (RecordForm::*handler)()) {
        addCommand(buttons, mTietue, def, button, action, [this, handler] { (this->*handler)(); });
    };
    command({"cUusi", "Uusi", "mUusi", "Uusi", K(Qt::Key_F2), texts_.uusiTip}, cUusi, mUusi, &RecordForm::Uusi);
    command({"cTallenna", "Tallenna", "mTallenna", "Tallenna", K(Qt::Key_F3), texts_.tallennaTip}, cTallenna, mTallenna,
            &RecordForm::Tallenna);
    command({"cPoista", "Poista", "mPoista", "Poista", K(Qt::Key_F4), texts_.poistaTip}, cPoista, mPoista,
            &RecordForm::Poista);
    command({"cSelaa", "Selaa", "mSelaa", "Selaa", K(Qt::Key_F5), texts_.selaaTip}, cSelaa, mSelaa, &RecordForm::Selaa);
    command({"cPeru", "Peru", "mPeru", "Peru", K(Qt::CTRL | Qt::Key_Z), "Peru tehdyt muutokset [Ctrl+Z]"}, cPeru, mPeru,
            &RecordForm::Peru);
    mTietue->addSeparator();
    buttons->addSpacing(12);
    command({"cEnsimmäinen", "Ensimm.", texts_.firstAction, "Siirry ensimmäiseen", K(Qt::CTRL | Qt::Key_A),
             "Siirry ensimmäiseen [Ctrl+A]"},
            cEnsimmainen, mEnsimmainen, &RecordForm::Ensimmainen);
    command({"cEdellinen", "Edel.", "mEdellinen", "Siirry edelliseen", K(Qt::CTRL | Qt::Key_S),
             "Siirry edelliseen [Ctrl+S]"},
            cEdellinen, mEdellinen, &RecordForm::Edellinen);
    command({"cSeuraava", "Seur.", "mSeuraava", "Siirry seuraavaan", K(Qt::CTRL | Qt::Key_D),
             "Siirry seuraavaan [Ctrl+D]"},
            cSeuraava, mSeuraava, &RecordForm::Seuraava);
    command({"cViimeinen", "Viim.", "mViimeinen", "Siirry viimeiseen", K(Qt::CTRL | Qt::Key_F),
             "Siirry viimeiseen [Ctrl+F]"},
            cViimeinen, mViimeinen, &RecordForm::Viimeinen);
    buttons->addStretch(1);
}

template <class T>
void RecordForm<T>::connectFieldEvents(QLineEdit* numberBox) {
    ui::Events::of(numberBox).onChange([this, numberBox] {
        if (!cur_) return;
        core::FilterIntegerInput(numberBox);
        cur_->setNumero(core::ReadWholeNumber(numberBox->text()).value_or(0));
    });
    ui::Events::of(tNimi)
        .onChange([this] {
            if (cur_) cur_->setNimi(tNimi->text());
        })
        .onGotFocus([this] { core::HighlightText(tNimi); });
    ui::Events::of(tKuvaus)
        .onChange([this] {
            if (!cur_) return;
            QString text = tKuvaus->toPlainText();
            if (text.size() > kKuvausPituus) {
                // The box takes no more than the column holds.
                text = core::detail::cutText(text, kKuvausPituus);
                tKuvaus->setPlainText(text);
                tKuvaus->moveCursor(QTextCursor::End);
            }
            // A stored description with CR LF line breaks is not changed
            // merely by being shown.
            if (text != AsInBox(cur_->Kuvaus())) cur_->setKuvaus(text);
        })
        .onGotFocus([this] { tKuvaus->selectAll(); });
}

}  // namespace accounts::detail
