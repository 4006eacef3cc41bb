// The model editor's commands: new, save, delete, undo, browse, close, the
// two order moves, the profit-model box, the report commands and dragging
// rows in the tree.

#include "statement_models/frmnewtulosjatase.h"

#include "core/dbc.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/sys/mousecursor.h"
#include "statement_models/mallipuu.h"

#include <QComboBox>
#include <QLineEdit>

namespace statement_models {

namespace {

struct ReportHooks {
    frmNewTulosJaTase::ReportCommand print;
    frmNewTulosJaTase::ReportCommand budget;
    frmNewTulosJaTase::ReportCommand accounts;
};

ReportHooks& reportHooks() {
    static ReportHooks hooks;
    return hooks;
}

}  // namespace

void frmNewTulosJaTase::SetPrintCommand(ReportCommand command) { reportHooks().print = std::move(command); }
void frmNewTulosJaTase::SetBudgetComparisonCommand(ReportCommand command) { reportHooks().budget = std::move(command); }
void frmNewTulosJaTase::SetAccountListCommand(ReportCommand command) { reportHooks().accounts = std::move(command); }

void frmNewTulosJaTase::runReport(const ReportCommand& command) {
    if (command) {
        command(*this);
        return;
    }
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                      QStringLiteral("Tämä toiminto ei ole käytettävissä tässä ohjelman versiossa.")));
}

void frmNewTulosJaTase::Tulosta() { runReport(reportHooks().print); }
void frmNewTulosJaTase::Budjettivertailu() { runReport(reportHooks().budget); }
void frmNewTulosJaTase::TulostaTilikartta() { runReport(reportHooks().accounts); }

// ================================================================ new

void frmNewTulosJaTase::Uusi() {
    ensureSelectionShown();
    QTreeWidgetItem* node = tvMalli->currentItem();
    if (!node) return;
    const NodeKind kind = kindOf(node);
    if (kind == NodeKind::None) return;
    // A row or model that could not be read takes no new rows.
    if ((kind == NodeKind::Row && curModelRow_->IsEmpty()) || (kind == NodeKind::Model && curModel_->IsEmpty())) return;
    // A row below a row at the deepest level would stand deeper than a
    // model takes.
    if (kind == NodeKind::Row && rowDepth(node) >= kSuurinSyvyys) {
        tellTooDeep();
        return;
    }

    node->setExpanded(true);
    QTreeWidgetItem* first = addNode(node, QString(), QString());
    first->setExpanded(true);
    tvMalli->setCurrentItem(first);
    bool modelCreated = false;
    bool balanceModel = false;
    try {
        auto keyRow = [](QTreeWidgetItem* n, const cMalliRivi& row) {
            n->setData(0, Qt::UserRole, QStringLiteral("mr") + QString::number(row.id()));
            n->setText(0, row.Teksti());
        };
        if (node == rootTulos_ || node == rootTase_) {
            balanceModel = node == rootTase_;
            AddNewModel(balanceModel ? kTase : kTuloslaskelma);
            first->setData(0, Qt::UserRole, QStringLiteral("ma") + QString::number(curModel_->id()));
            first->setText(0, curModel_->Nimi());
            modelCreated = true;
        } else if (kind == NodeKind::Row) {
            std::unique_ptr<cMalliRivi> row = curModelRow_->AddModelRow(
                core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Uusi rivi")), 0, QString());
            keyRow(first, *row);
            row->SetDefaultGroupOrder();
            row->Save(false);
            ShowModelRow(std::move(row));
        } else if (node->parent() == rootTase_) {
            // A balance model starts with its two sides.
            std::unique_ptr<cMalliRivi> assets = curModel_->AddModelRow(
                core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Vastaavaa")), 0, QStringLiteral("D"));
            keyRow(first, *assets);
            QTreeWidgetItem* second = addNode(node, QString(), QString());
            second->setExpanded(true);
            std::unique_ptr<cMalliRivi> liabilities = curModel_->AddModelRow(
                core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Vastattavaa")), 1, QStringLiteral("K"));
            keyRow(second, *liabilities);
        } else {
            std::unique_ptr<cMalliRivi> row = curModel_->AddModelRow(
                core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Uusi rivi")), 0, QStringLiteral("K"));
            keyRow(first, *row);
            row->SetDefaultGroupOrder();
            row->Save(false);
        }
    } catch (...) {
        // Nodes that got no row leave the tree again.
        for (int i = node->childCount() - 1; i >= 0; --i)
            if (KeyOf(node->child(i)).isEmpty()) removeNode(node->child(i));
        tvMalli->setCurrentItem(node);
        throw;
    }
    tvMalli->setFocus();
    tvMalli->setCurrentItem(first);
    tvMalli_Click();
    if (balanceModel) Uusi();
    if (modelCreated)
        tMallinNimi->setFocus();
    else
        tOtsake->setFocus();
}

// ================================================================ delete

void frmNewTulosJaTase::Poista() {
    QTreeWidgetItem* node = tvMalli->currentItem();
    if (!node) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Valitse poistettava rivi luettelosta!")));
        return;
    }
    const NodeKind kind = kindOf(node);
    if (kind != NodeKind::Row && kind != NodeKind::Model) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                          QStringLiteral("Valitse poistettavaksi malli tai mallin rivi!")));
        return;
    }
    // The question is about what is on screen: the chosen node is shown first.
    ensureSelectionShown();
    const QString question =
        kind == NodeKind::Row
            ? core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Poistetaanko näytössä oleva rivi?"))
            : core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Poistetaanko näytössä oleva malli?"));
    if (core::AskYesNo(question) != ui::Answer::Yes) return;

    auto blankRow = [this] {
        auto row = std::make_unique<cMalliRivi>();
        row->setIsEmpty(true);
        ShowModelRow(std::move(row));
    };
    if (kind == NodeKind::Row) {
        curModelRow_->Delete();
        blankRow();
    } else {
        if (!curModelRow_->IsEmpty() && curModelRow_->MalliId() == curModel_->id()) {
            curModelRow_->Delete();
            blankRow();
        }
        curModel_->Delete();
        auto model = std::make_unique<cMalli>();
        model->setIsEmpty(true);
        ShowModel(std::move(model));
    }
    QTreeWidgetItem* parent = node->parent();
    removeNode(node);
    tvMalli->setFocus();
    tvMalli->setCurrentItem(parent);
    tvMalli_Click();
}

// ================================================================ save, undo, browse, close

void frmNewTulosJaTase::Tallenna() {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    if (!cmbTuloslaskelma->isHidden()) TuloslaskelmaLostFocus();
    curModelRow_->Save(false);
    curModel_->Save(false);
}

void frmNewTulosJaTase::Peru() {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    curModelRow_->Undo();
    curModel_->Undo();
    DisplayModel();
    DisplayModelRow();
}

void frmNewTulosJaTase::Selaa() {
    FillModelTree();
    tvMalli->setFocus();
    // Down and back up: the first node is chosen and shown.
    if (QTreeWidgetItem* top = tvMalli->topLevelItem(0)) {
        tvMalli->setCurrentItem(top);
        if (QTreeWidgetItem* below = tvMalli->itemBelow(top)) {
            tvMalli->setCurrentItem(below);
            tvMalli_Click();
        }
        tvMalli->setCurrentItem(top);
        tvMalli_Click();
    }
}

void frmNewTulosJaTase::AvaaKaikki() {
    tvMalli->hide();
    try {
        Selaa();
        tvMalli->expandAll();
    } catch (...) {
        // The tree is shown again, and the failure goes on to the window's
        // runner.
        tvMalli->show();
        throw;
    }
    tvMalli->show();
    tvMalli->setFocus();
}

void frmNewTulosJaTase::Sulje() { ui::Forms::unload(*this); }

// ================================================================ profit model

void frmNewTulosJaTase::TuloslaskelmaLostFocus() {
    QComboBox* c = cmbTuloslaskelma;
    const int index = c->currentIndex();
    const QString typed = c->currentText();
    if (index >= 0 && c->itemText(index) == typed) {
        curModel_->setTulosMaID(long(c->itemData(index).toLongLong()));
        return;
    }
    // Typed text: the first model whose name begins with it.
    for (int i = 0; i < c->count(); ++i) {
        c->setCurrentIndex(i);
        if (c->itemText(i).startsWith(typed, Qt::CaseInsensitive)) {
            curModel_->setTulosMaID(long(c->itemData(i).toLongLong()));
            return;
        }
    }
    // None: the box shows the model's choice again.
    core::SelectComboByItemData(c, curModel_->TulosMaID());
    core::BeepIfSoundOn();
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                      QStringLiteral("Valitse tuloslaskelmamalli, jolta tilikauden voitto kirjataan.")));
}

// ================================================================ order moves

void frmNewTulosJaTase::LowerGroupOrder() {
    if (curModelRow_->IsEmpty() || curModelRow_->id() == 0) return;
    if (!curModelRow_->MoveRowUp()) core::BeepIfSoundOn();
    reloadSiblings();
}

void frmNewTulosJaTase::HigherGroupOrder() {
    if (curModelRow_->IsEmpty() || curModelRow_->id() == 0) return;
    if (!curModelRow_->MoveRowDown()) core::BeepIfSoundOn();
    reloadSiblings();
}

// The children of the moved row's parent node, read again in their order;
// the node chosen before is chosen again.
void frmNewTulosJaTase::reloadSiblings() {
    const QString selectedKey = KeyOf(tvMalli->currentItem());
    QTreeWidgetItem* moved = NodeByKey(QStringLiteral("mr") + QString::number(curModelRow_->id()));
    QTreeWidgetItem* p = moved ? moved->parent() : nullptr;
    const NodeKind kind = kindOf(p);
    if (kind != NodeKind::Row && kind != NodeKind::Model) return;
    while (p->childCount() > 0) removeNode(p->child(0));
    dao::Database db = core::DBCon().AvaaDB();
    if (kind == NodeKind::Row) {
        if (HasChildRows(db, idOf(p))) AddChildRows(db, p);
    } else {
        addTopRows(db, p);
    }
    if (QTreeWidgetItem* again = NodeByKey(selectedKey)) tvMalli->setCurrentItem(again);
}

// ================================================================ dragging

void frmNewTulosJaTase::tvMalli_OLEStartDrag() {
    dragKey_.clear();
    QTreeWidgetItem* node = tvMalli->currentItem();
    switch (kindOf(node)) {
    case NodeKind::Root:
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Et voi siirtää pääryhmiä!")));
        break;
    case NodeKind::Model:
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Et voi siirtää kokonaista mallia!")));
        break;
    case NodeKind::Row: dragKey_ = KeyOf(node); break;
    case NodeKind::None: break;
    }
}

void frmNewTulosJaTase::tvMalli_OLEDragOver(const QPoint& pos) {
    if (dragKey_.isEmpty()) return;
    QTreeWidgetItem* node = tvMalli->itemAt(pos);
    const NodeKind kind = kindOf(node);
    if (kind == NodeKind::Model || kind == NodeKind::Row) tvMalli->setDropHighlight(node);
}

void frmNewTulosJaTase::tvMalli_OLEDragDrop() {
    QTreeWidgetItem* target = tvMalli->DropHighlight();
    QTreeWidgetItem* dragged = DragNode();
    if (!target || !dragged) return;
    // Never onto the row itself or below it: no row may become its own ancestor.
    for (QTreeWidgetItem* p = target; p; p = p->parent())
        if (p == dragged) return;

    const QString key = KeyOf(dragged);
    const QString text = dragged->text(0);
    const bool ontoRow = kindOf(target) == NodeKind::Row;
    // The moved rows may not come to stand deeper than a model takes.
    if (rowDepth(target) + rowHeight(dragged) > kSuurinSyvyys) {
        tellTooDeep();
        return;
    }
    const long targetId = idOf(target);

    auto row = std::make_unique<cMalliRivi>();
    if (!row->Read(idOf(dragged))) return;
    if (ontoRow) {
        cMalliRivi targetRow;
        if (!targetRow.Read(targetId)) return;
        row->setMalliId(targetRow.MalliId());
        row->setBelongsToGroup(targetRow.id());
        row->setSaldoPuoli(targetRow.SaldoPuoli());
    } else {
        row->setMalliId(targetId);
        row->setBelongsToGroup(0);
    }

    try {
        // The rows below it take its side, and its model with it.
        row->SaveWithRowsBelow();
        removeNode(dragged);
        lastNode_ = addNode(target, key, text);
        lastNode_->setExpanded(true);
        dao::Database db = core::DBCon().AvaaDB();
        if (HasChildRows(db, row->id())) AddChildRows(db, lastNode_);
    } catch (...) {
        // The tree shows the book as it is.
        FillModelTree();
        throw;
    }
    // The moved row is chosen and shown as it now stands.
    tvMalli->setCurrentItem(NodeByKey(key));
    tvMalli_Click();
}

void frmNewTulosJaTase::tvMalli_OLECompleteDrag() {
    tvMalli->setDropHighlight(nullptr);
    dragKey_.clear();
    // A drag chooses its node without showing it; what is chosen is shown.
    ensureSelectionShown();
}

}  // namespace statement_models
