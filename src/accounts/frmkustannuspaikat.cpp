#include "accounts/frmkustannuspaikat.h"

#include "accounts/recordwindow.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "core/wholenumber.h"
#include "platform/dao/error.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/events.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace accounts {

namespace {

QString asInBox(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

long itemId(const QListWidgetItem* item) { return long(item->data(Qt::UserRole).toLongLong()); }

// While alive, the window's own changes of the list are not the user's choice.
class UpdatingList {
public:
    explicit UpdatingList(bool& flag) : flag_(flag) { flag_ = true; }
    ~UpdatingList() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

// ---------------------------------------------------------------- layout

frmKustannuspaikat::frmKustannuspaikat() : ui::Form(QStringLiteral("frmKustannuspaikat")) {
    // The window restores its placement itself as it loads and never
    // stores it.
    setProperty(core::kOwnPlacementProperty, true);
    setWindowTitle(QStringLiteral("Kustannuspaikat"));
    buildControls();
    connectEvents();
    resize(700, 400);
}

frmKustannuspaikat::~frmKustannuspaikat() {
    if (owned_) owned_->NameChanged = nullptr;
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

void frmKustannuspaikat::buildControls() {
    auto* layout = new QVBoxLayout(this);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout->setMenuBar(menuBar);
    mTiedosto = ui::addMenu(menuBar, "mTiedosto", "&Tiedosto");
    mTietue = ui::addMenu(menuBar, "mTietue", "T&ietue");

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);
    lstKPt = new QListWidget(this);
    lstKPt->setObjectName(QStringLiteral("lstKPt"));
    lstKPt->setSelectionMode(QAbstractItemView::SingleSelection);
    lstKPt->setMinimumWidth(260);
    body->addWidget(lstKPt, 1);

    frameTilit = ui::makeGroupBox(this, QStringLiteral("frameTilit"), QStringLiteral("Kustannuspaikan tiedot"));
    auto* fields = new QGridLayout(frameTilit);
    lblKPNumero = ui::makeLabel(frameTilit, "lblKPNumero", "Numero:");
    tKPNumero = ui::makeLineEdit(frameTilit, QStringLiteral("tKPNumero"));
    tKPNumero->setMaxLength(kNumeroPituus);
    lblNimi = ui::makeLabel(frameTilit, "lblNimi", "Nimi:");
    tNimi = ui::makeLineEdit(frameTilit, QStringLiteral("tNimi"));
    tNimi->setMaxLength(kNimiPituus);
    lblKuvaus = ui::makeLabel(frameTilit, "lblKuvaus", "Kuvaus:");
    tKuvaus = new QPlainTextEdit(frameTilit);
    tKuvaus->setObjectName(QStringLiteral("tKuvaus"));
    tKuvaus->setTabChangesFocus(true);
    fields->addWidget(lblKPNumero, 0, 0);
    fields->addWidget(tKPNumero, 0, 1);
    fields->addWidget(lblNimi, 1, 0);
    fields->addWidget(tNimi, 1, 1);
    fields->addWidget(lblKuvaus, 2, 0, Qt::AlignTop);
    fields->addWidget(tKuvaus, 2, 1);
    body->addWidget(frameTilit, 1);

    keys_ = new detail::WindowKeys(this);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto command = [&](QMenu* m, const detail::CommandDef& def, QPushButton*& button, QAction*& action,
                       void (frmKustannuspaikat::*handler)()) {
        const detail::Command c =
            detail::MakeCommand(def, this, m, *keys_, [this, handler] { (this->*handler)(); });
        button = c.button;
        action = c.action;
        buttons->addWidget(button);
    };
    using K = QKeySequence;
    command(mTietue, {"cUusi", "Uusi", "mUusi", "Uusi", K(Qt::Key_F2), "Lisää uusi kustannuspaikka [F2]"}, cUusi, mUusi,
            &frmKustannuspaikat::Uusi);
    command(mTietue,
            {"cTallenna", "Tallenna", "mTallenna", "Tallenna", K(Qt::Key_F3),
             "Tallenna näytöllä olevan kustannuspaikan tiedot [F3]"},
            cTallenna, mTallenna, &frmKustannuspaikat::Tallenna);
    command(mTietue,
            {"cPoista", "Poista", "mPoista", "Poista", K(Qt::Key_F4), "Poista näytössä oleva kustannuspaikka [F4]"},
            cPoista, mPoista, &frmKustannuspaikat::Poista);
    command(mTietue, {"cSelaa", "Selaa", "mSelaa", "Selaa", K(Qt::Key_F5), "Selaa kustannuspaikkoja [F5]"}, cSelaa,
            mSelaa, &frmKustannuspaikat::Selaa);
    command(mTietue, {"cPeru", "Peru", "mPeru", "Peru", K(Qt::CTRL | Qt::Key_Z), "Peru tehdyt muutokset [Ctrl+Z]"},
            cPeru, mPeru, &frmKustannuspaikat::Peru);
    mTietue->addSeparator();
    buttons->addSpacing(12);
    command(mTietue,
            {"cEnsimmäinen", "Ensimm.", "mEnsimmainen", "Siirry ensimmäiseen", K(Qt::CTRL | Qt::Key_A),
             "Siirry ensimmäiseen [Ctrl+A]"},
            cEnsimmainen, mEnsimmainen, &frmKustannuspaikat::Ensimmainen);
    command(mTietue,
            {"cEdellinen", "Edel.", "mEdellinen", "Siirry edelliseen", K(Qt::CTRL | Qt::Key_S),
             "Siirry edelliseen [Ctrl+S]"},
            cEdellinen, mEdellinen, &frmKustannuspaikat::Edellinen);
    command(mTietue,
            {"cSeuraava", "Seur.", "mSeuraava", "Siirry seuraavaan", K(Qt::CTRL | Qt::Key_D),
             "Siirry seuraavaan [Ctrl+D]"},
            cSeuraava, mSeuraava, &frmKustannuspaikat::Seuraava);
    command(mTietue,
            {"cViimeinen", "Viim.", "mViimeinen", "Siirry viimeiseen", K(Qt::CTRL | Qt::Key_F),
             "Siirry viimeiseen [Ctrl+F]"},
            cViimeinen, mViimeinen, &frmKustannuspaikat::Viimeinen);
    buttons->addStretch(1);
    command(mTiedosto, {"cSulje", "Sulje", "mSulje", "Sulje", K(), "Sulje Kustannuspaikat [Alt+F4]"}, cSulje, mSulje,
            &frmKustannuspaikat::Sulje);

    for (QWidget* w : std::initializer_list<QWidget*>{lstKPt, tKPNumero, tNimi, tKuvaus}) keys_->watch(w);
    QWidget::setTabOrder(lstKPt, tKPNumero);
    QWidget::setTabOrder(tKPNumero, tNimi);
    QWidget::setTabOrder(tNimi, tKuvaus);
    QWidget::setTabOrder(tKuvaus, cUusi);
}

void frmKustannuspaikat::connectEvents() {
    ui::Events::of(tKPNumero)
        .onChange([this] {
            if (!cur_) return;
            core::FilterIntegerInput(tKPNumero);
            cur_->setNumero(core::ReadWholeNumber(tKPNumero->text()).value_or(0));
        })
        .onGotFocus([this] { core::HighlightText(tKPNumero); });
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
                text = core::detail::cutText(text, kKuvausPituus);
                tKuvaus->setPlainText(text);
                tKuvaus->moveCursor(QTextCursor::End);
            }
            if (text != asInBox(cur_->Kuvaus())) cur_->setKuvaus(text);
        })
        .onGotFocus([this] { tKuvaus->selectAll(); });

    // The user's choice: a new selection (mouse or arrow keys), or a click
    // on the selected item when another cost centre is shown.
    connect(lstKPt, &QListWidget::itemSelectionChanged, this, [this] {
        if (bUpdatingList) return;
        const QList<QListWidgetItem*> chosen = lstKPt->selectedItems();
        if (chosen.isEmpty()) return;
        run([this, item = chosen.first()] { lstKPt_Choose(item); });
    });
    connect(lstKPt, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (bUpdatingList || !item->isSelected() || itemId(item) == cur_->id()) return;
        run([this, item] { lstKPt_Choose(item); });
    });
}

// ---------------------------------------------------------------- load and unload

void frmKustannuspaikat::Load() {
    core::LoadFormPosition(this);
    core::Translate(this);
    bUpdatingList = false;
    CreateEmptyKustannuspaikka();
    run([this] { FillList(); });
    ShowKustannuspaikka(nullptr);
}

void frmKustannuspaikat::Unload() { releaseShown(); }

bool frmKustannuspaikat::StorePendingEdits() {
    // An error reaches the caller: the book is then left alone.
    if (!cur_->IsEmpty()) cur_->Save(false);
    return true;
}

void frmKustannuspaikat::ReadBookAgain() {
    // The one shown was stored before the book changed; it is read anew.
    const long shown = cur_->IsEmpty() ? 0 : cur_->id();
    run([this, shown] {
        FillList();
        auto again = std::make_unique<cKustannuspaikka>();
        if (shown > 0 && again->Read(shown))
            ShowKustannuspaikka(std::move(again));
        else
            ShowKustannuspaikka(nullptr);
    });
}

void frmKustannuspaikat::CreateEmptyKustannuspaikka() {
    emptyKustannuspaikka_ = std::make_unique<cKustannuspaikka>();
    emptyKustannuspaikka_->setIsEmpty(true);
}

void frmKustannuspaikat::releaseShown() {
    if (!owned_) return;
    owned_->NameChanged = nullptr;
    try {
        owned_->Release();
    } catch (const dao::DaoError& e) {
        core::reportReleaseError(
            QStringLiteral("Kustannuspaikka %1 (kpID %2)").arg(owned_->Numero()).arg(owned_->id()), e);
    }
}

// ---------------------------------------------------------------- the shown cost centre

void frmKustannuspaikat::ShowKustannuspaikka(std::unique_ptr<cKustannuspaikka> k) {
    if (!emptyKustannuspaikka_) CreateEmptyKustannuspaikka();
    std::unique_ptr<cKustannuspaikka> previous = std::move(owned_);
    if (k && !k->IsEmpty()) {
        owned_ = std::move(k);
        cur_ = owned_.get();
        owned_->NameChanged = [this](long id, long lNumero, const QString& sName) {
            curKustannuspaikka_NameChanged(id, lNumero, sName);
        };
    } else {
        cur_ = emptyKustannuspaikka_.get();
    }
    if (previous) {
        previous->NameChanged = nullptr;
        previous.reset();  // saves its own unsaved edits
    }
    RefreshFields();
}

void frmKustannuspaikat::RefreshFields() {
    if (cur_->IsEmpty()) {
        tKPNumero->clear();
        tNimi->clear();
        tKuvaus->clear();
        EnableFields(false);
        return;
    }
    EnableFields(true);
    tKPNumero->setText(QString::number(cur_->Numero()));
    tNimi->setText(cur_->Nimi());
    tKuvaus->setPlainText(cur_->Kuvaus());
}

void frmKustannuspaikat::EnableFields(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblKPNumero, tKPNumero, lblNimi, tNimi, lblKuvaus, tKuvaus})
        w->setEnabled(enabled);
}

std::unique_ptr<cKustannuspaikka> frmKustannuspaikat::NewKustannuspaikka() {
    auto k = std::make_unique<cKustannuspaikka>();
    k->Save(true);
    return k;
}

void frmKustannuspaikat::FillList() {
    UpdatingList updating(bUpdatingList);
    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT kpID, kpNumero, kpNimi FROM kp ORDER BY kpNumero"),
                                         dao::RecordsetType::ForwardOnly);
    lstKPt->clear();
    for (int i = 0; !rs.isEOF(); rs.MoveNext(), ++i) {
        // A Null part adds nothing.
        const dao::Variant numero = rs.value(QStringLiteral("kpNumero"));
        const QString text = (numero.isNull() ? QString() : QString::number(core::NzLong(numero, 0))) + u' ' +
                             core::NzString(rs.value(QStringLiteral("kpNimi")), QString());
        auto* item = new QListWidgetItem(text);
        item->setData(Qt::UserRole, qlonglong(core::NzLong(rs.value(QStringLiteral("kpID")), 0)));
        lstKPt->insertItem(i, item);
    }
    rs.Close();
    lstKPt->setCurrentRow(-1, QItemSelectionModel::Clear);
}

void frmKustannuspaikat::lstKPt_Choose(QListWidgetItem* item) {
    auto k = std::make_unique<cKustannuspaikka>();
    if (!k->Read(itemId(item))) {
        // Gone from the book since the list was filled.
        {
            UpdatingList updating(bUpdatingList);
            delete item;
        }
        ShowKustannuspaikka(nullptr);
        return;
    }
    ShowKustannuspaikka(std::move(k));
}

void frmKustannuspaikat::curKustannuspaikka_NameChanged(long id, long /*lNumero*/, const QString& sName) {
    UpdatingList updating(bUpdatingList);
    const QString t = QString::number(cur_->Numero()) + u' ' + sName;
    for (int i = 0; i < lstKPt->count(); ++i) {
        QListWidgetItem* item = lstKPt->item(i);
        if (itemId(item) != id) continue;
        lstKPt->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
        if (item->text() != t) {
            // Rewritten in place; the list stays scrolled where it was.
            const int top = lstKPt->verticalScrollBar()->value();
            item->setText(t);
            lstKPt->verticalScrollBar()->setValue(top);
        }
        return;
    }
    // Not in the list yet (a new cost centre): at the end, not selected.
    auto* item = new QListWidgetItem(t);
    item->setData(Qt::UserRole, qlonglong(id));
    lstKPt->addItem(item);
}

// ---------------------------------------------------------------- commands

void frmKustannuspaikat::Uusi() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        ShowKustannuspaikka(NewKustannuspaikka());
        tKPNumero->setFocus();
    });
}

void frmKustannuspaikat::Tallenna() {
    run([this] { cur_->Save(false); });
}

void frmKustannuspaikat::Peru() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        cur_->Undo();
        RefreshFields();
    });
}

void frmKustannuspaikat::Poista() {
    run([this] {
        // Nothing shown, nothing to delete.
        if (cur_->IsEmpty()) return;
        const QString text =
            core::TranslateStr(QStringLiteral("frmKustannuspaikat"),
                               QStringLiteral("Haluatko varmasti poistaa valitun kustannuspaikan?")) +
            QStringLiteral("\r\n\r\n") +
            core::TranslateStr(
                QStringLiteral("frmKustannuspaikat"),
                QStringLiteral("Kustannuspaikalle tehdyt viennit pitää poiston jälkeen kohdistaa uudelle kustannuspaikalle."));
        if (ui::MsgBox(text, 36, core::AppTitle) != ui::Answer::Yes) return;
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        const long id = cur_->id();
        owned_->NameChanged = nullptr;
        owned_->Delete();
        {
            UpdatingList updating(bUpdatingList);
            core::RemoveListItemByItemData(lstKPt, id);
        }
        ShowKustannuspaikka(nullptr);
    });
}

void frmKustannuspaikat::Selaa() {
    run([this] {
        cur_->Save(false);
        FillList();
        bUpdatingList = false;
    });
}

void frmKustannuspaikat::browse(std::unique_ptr<cKustannuspaikka> found) {
    if (found->IsEmpty())
        ui::Beep();
    else
        ShowKustannuspaikka(std::move(found));
}

void frmKustannuspaikat::Ensimmainen() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(cur_->GetFirst());
    });
}

void frmKustannuspaikat::Edellinen() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(cur_->GetPrevious());
    });
}

void frmKustannuspaikat::Seuraava() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(cur_->GetNext());
    });
}

void frmKustannuspaikat::Viimeinen() {
    run([this] {
        sys::cMouseCursor cursor;
        cursor.SetCursor(this, sys::kPointerHourglass);
        browse(cur_->GetLast());
    });
}

void frmKustannuspaikat::Sulje() { ui::Forms::unload(*this); }

}  // namespace accounts
