// The account tree of the accounts window: its build from the account
// list, its group and account nodes, its upkeep from the shown account's
// NameChanged and the choice of an account in it.
//
// Node keys: a group "1000PN" .. "9000PN" and "MuutPN", an account its tlID
// followed by "ID". A node's key is held as its data (Qt::UserRole).

#include "accounts/frmtilitnew.h"

#include "accounts/tilit.h"
#include "core/records/lists.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/sys/mousecursor.h"

#include <QTreeWidget>
#include <exception>

namespace accounts {

namespace {

const QString kAccountSuffix = QStringLiteral("ID");

QString keyOf(const QTreeWidgetItem* node) { return node->data(0, Qt::UserRole).toString(); }

QString nodeText(long numero, const QString& nimi) { return QString::number(numero) + u' ' + nimi; }

}  // namespace

int TiliRyhma(long numero) {
    const long q = numero / 1000;  // toward zero
    return (q >= 1 && q <= 9) ? int(q - 1) : 9;
}

QTreeWidgetItem* frmTilitNew::findNode(const QString& key) const {
    for (int g = 0; g < tvTilit->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tvTilit->topLevelItem(g);
        if (keyOf(group) == key) return group;
        for (int i = 0; i < group->childCount(); ++i)
            if (keyOf(group->child(i)) == key) return group->child(i);
    }
    return nullptr;
}

QTreeWidgetItem* frmTilitNew::accountNode(long id) const { return findNode(QString::number(id) + kAccountSuffix); }

QTreeWidgetItem* frmTilitNew::addAccountNode(QTreeWidgetItem* group, const QString& key, const QString& text) {
    auto* node = new QTreeWidgetItem(group);
    node->setText(0, text);
    node->setData(0, Qt::UserRole, key);
    return node;
}

void frmTilitNew::RemoveNode(long id, const QString& suffix) {
    delete findNode(QString::number(id) + suffix);
}

void frmTilitNew::BuildTree() {
    // Drawn once, when the build is over.
    tvTilit->setUpdatesEnabled(false);
    try {
        tvTilit->clear();
        groupNodes_.fill(nullptr);
        for (int i = 1; i <= 9; ++i) {
            auto* group = new QTreeWidgetItem(tvTilit);
            group->setText(0, u' ' + QString::number(i * 1000) + u' ');
            group->setData(0, Qt::UserRole, QString::number(i * 1000) + QStringLiteral("PN"));
            groupNodes_[size_t(i - 1)] = group;
        }
        auto* muut = new QTreeWidgetItem(tvTilit);
        muut->setText(0, QStringLiteral("Muut"));
        muut->setData(0, Qt::UserRole, QStringLiteral("MuutPN"));
        groupNodes_[9] = muut;

        RemoveUnfinishedAccounts(cur_ ? cur_->id() : 0);
        for (const core::ListLine& account : core::AccountList(core::AccountOrder::ByNumberThenName)) {
            const long n = account.number.value_or(0);
            addAccountNode(groupNodes_[size_t(TiliRyhma(n))], QString::number(account.id) + kAccountSuffix,
                           nodeText(n, account.name));
        }
    } catch (...) {
        // The book could not be read: the tree shows what it got, and the
        // user is told why.
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilitNew"),
                                          QStringLiteral("Virhe luotaessa hakemistopuuta tileistä.")) +
                       QStringLiteral("\r\n") + core::ErrorText(std::current_exception()));
    }
    tvTilit->setUpdatesEnabled(true);
}

void frmTilitNew::ShownNameChanged(long id, long lNumero, const QString& sName) {
    const QString numero = QString::number(lNumero);
    if (id == 0 || numero.size() != 4) return;
    if (!groupNodes_[0]) return;  // no tree built
    const QString key = QString::number(id) + kAccountSuffix;
    const QString text = nodeText(lNumero, sName);
    const long q = lNumero / 1000;
    QTreeWidgetItem* node = findNode(key);
    if (!node) {
        // A new account whose number has just reached four digits.
        if (q != 0) addAccountNode(groupNodes_[size_t(q - 1)], key, text);
        return;
    }
    node->setText(0, text);
    if (q == 0) return;  // -999..-100 keep their node where it is
    QTreeWidgetItem* group = groupNodes_[size_t(q - 1)];
    if (node->parent() != group) {
        RemoveNode(id, kAccountSuffix);
        group->setExpanded(true);
        addAccountNode(group, key, text);
    }
}

void frmTilitNew::tvTilit_Select(QTreeWidgetItem* node) {
    if (tvTilit->topLevelItemCount() == 0 || !node) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    const QString key = keyOf(node);
    if (!key.endsWith(kAccountSuffix)) return;  // a group
    const long id = key.chopped(kAccountSuffix.size()).toLong();
    auto tili = std::make_unique<core::cTili>();
    if (!tili->Read(id)) {
        // The account has gone from the book since the tree was built.
        RemoveNode(id, kAccountSuffix);
        ShowTili(nullptr);
        return;
    }
    ShowTili(std::move(tili));
}

void frmTilitNew::AvaaKaikki() {
    try {
        tvTilit->setUpdatesEnabled(false);
        cur_->Save(false);
        BuildTree();
        tvTilit->setUpdatesEnabled(false);
        tvTilit->expandAll();
        tvTilit->setUpdatesEnabled(true);
        tvTilit->setFocus();
    } catch (...) {
        // The account could not be stored or the book read: the tree is
        // drawn again as it stands, and the user is told why.
        tvTilit->setUpdatesEnabled(true);
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTilitNew"), QStringLiteral("Puuta avattaessa tapahtui virhe: ")) +
                       QStringLiteral("\r\n") + core::ErrorText(std::current_exception()));
    }
}

}  // namespace accounts
