#include "accounts/frmkustannuspaikat.h"

#include "core/globals.h"
#include "core/records/lists.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "core/wholenumber.h"
#include "platform/dao/error.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/events.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace accounts {

namespace {

const detail::RecordFormTexts kTexts{"lblKPNumero",
                                     "tKPNumero",
                                     "Kustannuspaikan tiedot",
                                     "Lisää uusi kustannuspaikka [F2]",
                                     "Tallenna näytöllä olevan kustannuspaikan tiedot [F3]",
                                     "Poista näytössä oleva kustannuspaikka [F4]",
                                     "Selaa kustannuspaikkoja [F5]",
                                     "mEnsimmainen",
                                     "Kustannuspaikka %1 (kpID %2)"};

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

frmKustannuspaikat::frmKustannuspaikat() : RecordForm(QStringLiteral("frmKustannuspaikat"), kTexts) {
    setWindowTitle(QStringLiteral("Kustannuspaikat"));
    buildControls();
    connectEvents();
    resize(700, 400);
}

frmKustannuspaikat::~frmKustannuspaikat() = default;

void frmKustannuspaikat::buildControls() {
    auto* layout = new QVBoxLayout(this);
    buildMenus(layout);

    auto* body = new QHBoxLayout;
    layout->addLayout(body, 1);
    lstKPt = new QListWidget(this);
    lstKPt->setObjectName(QStringLiteral("lstKPt"));
    lstKPt->setSelectionMode(QAbstractItemView::SingleSelection);
    lstKPt->setMinimumWidth(260);
    body->addWidget(lstKPt, 1);
    buildFields(lblKPNumero, tKPNumero);
    tKPNumero->setMaxLength(kNumeroPituus);
    body->addWidget(frameTilit, 1);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    addRecordCommands(buttons);
    addCommand(buttons, mTiedosto,
               {"cSulje", "Sulje", "mSulje", "Sulje", QKeySequence(), "Sulje Kustannuspaikat [Alt+F4]"}, cSulje, mSulje,
               [this] { Sulje(); });

    QWidget::setTabOrder(lstKPt, tKPNumero);
    QWidget::setTabOrder(tKPNumero, tNimi);
    QWidget::setTabOrder(tNimi, tKuvaus);
    QWidget::setTabOrder(tKuvaus, cUusi);
}

void frmKustannuspaikat::connectEvents() {
    connectFieldEvents(tKPNumero);
    ui::Events::of(tKPNumero).onGotFocus([this] { core::HighlightText(tKPNumero); });

    // The user's choice (mouse or arrow keys), or a click on the selected
    // item when another cost centre is shown.
    ui::Events::of(lstKPt).onClick([this] {
        if (bUpdatingList) return;
        QListWidgetItem* item = lstKPt->currentItem();
        if (!item || !item->isSelected() || itemId(item) == cur_->id()) return;
        run([this, item] { lstKPt_Choose(item); });
    });
}

// ---------------------------------------------------------------- the shown cost centre

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

void frmKustannuspaikat::FillList() {
    UpdatingList updating(bUpdatingList);
    const std::vector<core::ListLine> paikat = core::CostCentreList();
    lstKPt->clear();
    for (const core::ListLine& paikka : paikat) {
        // A cost centre without a number shows its name alone.
        auto* item = new QListWidgetItem(paikka.text(core::ListLine::MissingNumber::Blank));
        item->setData(Qt::UserRole, qlonglong(paikka.id));
        lstKPt->addItem(item);
    }
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

void frmKustannuspaikat::ShownNameChanged(long id, long /*lNumero*/, const QString& sName) {
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
        deleteShown();
        {
            UpdatingList updating(bUpdatingList);
            core::RemoveListItemByItemData(lstKPt, id);
        }
        ShowKustannuspaikka(nullptr);
    });
}

}  // namespace accounts
