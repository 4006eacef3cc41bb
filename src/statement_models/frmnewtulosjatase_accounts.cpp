// The model editor's account list and formula editor, the add-account
// command of the list's pop-up menu, and the two model-check commands.
//
// A row's accounts (mrTilit) and formula (mrKaava) hold at most 255
// characters. A choice that would not fit is refused with a message: a
// longer text would be cut in the middle of a key, which would name
// another account or row.

#include "statement_models/frmnewtulosjatase.h"

#include "accounts/views/frmlisaatili.h"
#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/records/lists.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/ui/dialogs.h"
#include "statement_models/frmtarkistamallit.h"
#include "statement_models/frmtarkistusvirheet.h"
#include "statement_models/modelchecks.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <limits>
#include <optional>

namespace statement_models {

using core::NzLong;
using core::NzString;

namespace {

constexpr int kNumberRole = Qt::UserRole + 1;
constexpr qsizetype kListWidth = 255;

long itemKey(const QListWidgetItem* item) { return long(item->data(Qt::UserRole).toLongLong()); }

QListWidgetItem* accountItem(const QString& text, long tlID, long number) {
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(tlID));
    item->setData(kNumberRole, QVariant::fromValue<qlonglong>(number));
    return item;
}

// The number a piece names; nothing for a piece that is not a number.
std::optional<double> pieceValue(const QString& piece) {
    bool ok = false;
    const double v = piece.trimmed().toDouble(&ok);
    if (!ok) return std::nullopt;
    return v;
}

}  // namespace

// ================================================================ the account list

void frmNewTulosJaTase::FillAccountList() {
    const std::vector<core::ListLine> accounts = core::AccountList(core::AccountOrder::ByNumber);
    bFillingAccounts_ = true;
    lstTilit->clear();
    lstTilit->addItem(accountItem(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("[Ei tilejä]")), -1,
                                  std::numeric_limits<long>::min()));
    for (const core::ListLine& account : accounts)
        lstTilit->addItem(accountItem(account.text(), account.id, account.number.value_or(0)));
    bFillingAccounts_ = false;
}

void frmNewTulosJaTase::MarkRowAccounts(const QString& sTilit) {
    lblTilit->clear();
    bFillingAccounts_ = true;
    lstTilit->clearSelection();
    if (sTilit.isEmpty()) {
        if (lstTilit->count() > 0) lstTilit->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        bFillingAccounts_ = false;
        return;
    }
    lstTilit->setUpdatesEnabled(false);
    QString listed;
    int firstMarked = 0;
    for (const QString& piece : SplitPieces(sTilit)) {
        const std::optional<double> value = pieceValue(piece);
        if (!value) break;  // the rest of the list is not read
        for (int i = 0; i < lstTilit->count(); ++i) {
            QListWidgetItem* item = lstTilit->item(i);
            if (double(itemKey(item)) != *value) continue;
            item->setSelected(true);
            lstTilit->setCurrentRow(i, QItemSelectionModel::NoUpdate);
            listed += item->text() + u'\n';
            if (firstMarked == 0) firstMarked = i;
            break;
        }
    }
    lblTilit->setPlainText(listed);
    if (lstTilit->count() > 0) lstTilit->setCurrentRow(firstMarked, QItemSelectionModel::NoUpdate);
    lstTilit->setUpdatesEnabled(true);
    bFillingAccounts_ = false;
}

void frmNewTulosJaTase::ListSelectedAccounts() {
    bFillingAccounts_ = true;
    const int top = lstTilit->verticalScrollBar()->value();
    const int current = lstTilit->currentRow();
    QString listed;
    for (int i = 0; i < lstTilit->count(); ++i)
        if (lstTilit->item(i)->isSelected()) listed += lstTilit->item(i)->text() + u'\n';
    lblTilit->setPlainText(listed);
    if (lstTilit->count() > 0) {
        lstTilit->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        lstTilit->verticalScrollBar()->setValue(top);
    }
    bFillingAccounts_ = false;
    SaveSelectedAccounts();
}

QString frmNewTulosJaTase::selectedAccountsText() const {
    QString text;
    for (int i = 0; i < lstTilit->count(); ++i)
        if (lstTilit->item(i)->isSelected()) text += QString::number(itemKey(lstTilit->item(i))) + u',';
    return text;
}

void frmNewTulosJaTase::SaveSelectedAccounts() { curModelRow_->setTilit(selectedAccountsText()); }

// A click in the list: the choice is listed and written into the row, or,
// when it no longer fits, the row's own choice comes back.
void frmNewTulosJaTase::accountsClicked() {
    if (selectedAccountsText().size() > kListWidth) {
        MarkRowAccounts(curModelRow_->Tilit());
        ListSelectedAccounts();
        core::BeepIfSoundOn();
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                          QStringLiteral("Riville ei mahdu enempää tilejä.")));
        return;
    }
    ListSelectedAccounts();
}

void frmNewTulosJaTase::LisaaTili() {
    auto& dialog = ui::Forms::get<accounts::frmLisaaTili>();
    ui::Forms::show(dialog, true);
    struct {
        bool Cancelled;
        long NewtlID;
        QString NewtlNumero;
        QString NewtlNimi;
    } const added{dialog.Cancelled, dialog.NewtlID, dialog.NewtlNumero, dialog.NewtlNimi};
    ui::Forms::unload(dialog);
    if (added.Cancelled) return;
    // In its place by account number.
    const long number = added.NewtlNumero.trimmed().toLong();
    int at = lstTilit->count();
    for (int i = 1; i < lstTilit->count(); ++i)
        if (lstTilit->item(i)->data(kNumberRole).toLongLong() > number) {
            at = i;
            break;
        }
    bFillingAccounts_ = true;
    lstTilit->insertItem(at, accountItem(added.NewtlNumero + u' ' + added.NewtlNimi, added.NewtlID, number));
    lstTilit->item(at)->setSelected(true);
    lstTilit->setCurrentRow(at, QItemSelectionModel::NoUpdate);
    bFillingAccounts_ = false;
    if (!curModelRow_->IsEmpty()) accountsClicked();
}

// ================================================================ the formula

void frmNewTulosJaTase::FillFormulaRowList(long maID, int Tyyppi) {
    dao::Database db = core::DBCon().AvaaDB();
    lstSummaRivit->setUpdatesEnabled(false);
    lstSummaRivit->clear();
    auto add = [this](const QString& text, long data) {
        auto* item = new QListWidgetItem(text, lstSummaRivit);
        item->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(data));
    };
    add(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("[Ei rivejä]")), -1);
    if (Tyyppi == kTase) {
        // The profit of every income model that has a profit row.
        for (const ProfitRow& profit : ProfitRows(db))
            add(profit.modelName + QStringLiteral(" : ") +
                    core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("[Voitto / Tappio]")),
                -profit.maID);
    }
    for (const ModelRowEntry& row : RowsByText(db, maID)) add(row.text, row.id);
    lstSummaRivit->setUpdatesEnabled(true);
}

void frmNewTulosJaTase::ShowFormula(const QString& sKaava) {
    lblKaava->clear();
    const QStringList terms = SplitPieces(sKaava);
    if (terms.isEmpty()) return;
    dao::Database db = core::DBCon().AvaaDB();
    QString shown;
    for (const QString& term : terms) {
        const long number = term.mid(1).trimmed().toLong();
        if (number > 0) {
            shown += term.left(1) + u'[' + GetRivinTeksti(db, number) + u']';
        } else if (number < 0) {
            if (const std::optional<QString> model = ModelName(db, -number))
                shown += term.left(1) + u'[' + *model + QStringLiteral(" : ") +
                         core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Voitto/Tappio")) + u']';
        }
    }
    lblKaava->setPlainText(shown);
}

void frmNewTulosJaTase::addFormulaTerm(const QChar& sign) {
    if (QListWidgetItem* item = lstSummaRivit->currentItem()) {
        const QString formula = curModelRow_->Kaava() + sign + QString::number(itemKey(item)) + u',';
        if (formula.size() > kListWidth) {
            core::BeepIfSoundOn();
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                              QStringLiteral("Kaavaan ei mahdu enempää rivejä.")));
        } else {
            curModelRow_->setKaava(formula);
        }
    }
    ShowFormula(curModelRow_->Kaava());
}

void frmNewTulosJaTase::Plussaa() { addFormulaTerm(u'+'); }
void frmNewTulosJaTase::Miinusta() { addFormulaTerm(u'-'); }

void frmNewTulosJaTase::TyhjennaKaava() {
    curModelRow_->setKaava(QString());
    ShowFormula(QString());
}

// ================================================================ model checks

void frmNewTulosJaTase::TarkistaTilikartta() {
    // The checks read the book: what is on screen is written first.
    Tallenna();
    auto& chooser = ui::Forms::get<frmTarkistaMallit>();
    ui::Forms::show(chooser, true);
    const long tulos = chooser.TulosMaID;
    const long tase = chooser.TaseMaID;
    ui::Forms::unload(chooser);
    if (tulos == 0 && tase == 0) return;

    const MalliVirheet findings = TarkistaMallit(tulos, tase);
    for (const cMalliVirhe& f : findings)
        ui::Dialogs().messageBox(f.VirheTeksti + QStringLiteral("\r\n\r\n") +
                                     core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Kohdassa:")) +
                                     QStringLiteral("\r\n") + f.HierarkiaTeksti,
                                 core::AppTitle, ui::Buttons::OK, ui::Icon::None);
    if (findings.empty())
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Tarkistus suoritettu virheettömästi.")));
    else
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Tarkistus suoritettu.")));
}

void frmNewTulosJaTase::AvaaTarkistusikkuna() { ui::Forms::show<frmTarkistusVirheet>(); }

}  // namespace statement_models
