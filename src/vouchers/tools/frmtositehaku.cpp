#include "vouchers/tools/frmtositehaku.h"

#include "core/records/tosite.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/currency.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"
#include "vouchers/tools/syotteet.h"
#include "vouchers/tools/toolsupport.h"
#include "vouchers/tositehaku.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vouchers {

frmTositeHaku::frmTositeHaku() : ui::Form(QStringLiteral("frmTositeHaku")) {
    setWindowTitle(QStringLiteral("Kolvio - Tositehaku"));
    frameSearchConditions = ui::makeGroupBox(this, QStringLiteral("frameSearchConditions"),
                                             QStringLiteral("Hakuehdot"));
    lblVienninArvo = ui::makeLabel(frameSearchConditions, QStringLiteral("lblVienninArvo"),
                                   QStringLiteral("Viennin arvo:"));
    tVienninArvo = ui::makeLineEdit(frameSearchConditions, QStringLiteral("tVienninArvo"));
    tVienninArvo->setMaxLength(50);
    tVienninArvo->setToolTip(QStringLiteral("Kirjoita viennin arvo"));
    lblSelite = ui::makeLabel(frameSearchConditions, QStringLiteral("lblSelite"), QStringLiteral("Selite:"));
    tSelite = ui::makeLineEdit(frameSearchConditions, QStringLiteral("tSelite"));
    tSelite->setMaxLength(kHaettavanSelitteenPituus);
    tSelite->setToolTip(QStringLiteral("Kirjoita selite tai osa selitteestä"));
    cSearch = ui::makeButton(frameSearchConditions, QStringLiteral("cSearch"), QStringLiteral("&Etsi"));
    cSearch->setAutoDefault(false);
    auto* g = new QGridLayout(frameSearchConditions);
    g->addWidget(lblVienninArvo, 0, 0);
    g->addWidget(tVienninArvo, 0, 1);
    g->addWidget(lblSelite, 1, 0);
    g->addWidget(tSelite, 1, 1);
    g->addWidget(cSearch, 0, 2, 2, 1, Qt::AlignVCenter);
    g->setColumnStretch(1, 1);

    lblSearchMessage = new QLabel(this);
    lblSearchMessage->setObjectName(QStringLiteral("lblSearchMessage"));
    lstTositteet = new QListWidget(this);
    lstTositteet->setObjectName(QStringLiteral("lstTositteet"));
    lstTositteet->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTositteet->setSortingEnabled(true);  // by the line's text
    cOpen = ui::makeButton(this, QStringLiteral("cOpen"), QStringLiteral("Avaa"));
    cOpen->setAutoDefault(false);
    cUndo = ui::makeButton(this, QStringLiteral("cUndo"), QStringLiteral("Peru"));
    cUndo->setAutoDefault(false);

    auto* root = new QVBoxLayout(this);
    root->addWidget(frameSearchConditions);
    root->addWidget(lblSearchMessage);
    root->addWidget(lstTositteet, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cOpen);
    buttons->addWidget(cUndo);
    root->addLayout(buttons);
    resize(ui::TwipsToPixelsX(this, 6600), ui::TwipsToPixelsY(this, 6000));

    QWidget::setTabOrder(tVienninArvo, tSelite);
    QWidget::setTabOrder(tSelite, cSearch);
    QWidget::setTabOrder(cSearch, lstTositteet);
    QWidget::setTabOrder(lstTositteet, cOpen);
    QWidget::setTabOrder(cOpen, cUndo);
    tVienninArvo->setFocus();

    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmTositeHaku"), QStringLiteral("Odottamaton virhe: ")); }};
    ui::Events::of(cSearch).onClick([this, run] { run([this] { Etsi(); }); });
    ui::Events::of(cOpen).onClick([this] { Avaa(); });
    // The line double-clicked is the one opened (the view has made it the
    // chosen line by the time it tells of the double click).
    connect(lstTositteet, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        lstTositteet->setCurrentItem(item);
        Avaa();
    });
    ui::Events::of(cUndo).onClick([this] { Peru(); });
}

void frmTositeHaku::keyPressEvent(QKeyEvent* event) {
    // Enter presses "Avaa" (a focused button presses itself), Esc "Peru",
    // wherever the focus is.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (auto* b = qobject_cast<QPushButton*>(QApplication::focusWidget()); b && isAncestorOf(b))
            b->click();
        else
            cOpen->click();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        cUndo->click();
        return;
    }
    ui::Form::keyPressEvent(event);
}

void frmTositeHaku::Unload() {
    // Closed without either button (the close box): no voucher is chosen.
    if (!answered_) HakuTositeID = 0;
}

void frmTositeHaku::Avaa() {
    QListWidgetItem* item = lstTositteet->currentItem();
    HakuTositeID = item && item->isSelected() ? long(item->data(Qt::UserRole).toLongLong()) : 0;
    answered_ = true;
    ui::Forms::unload(*this);
}

void frmTositeHaku::Peru() {
    HakuTositeID = 0;
    answered_ = true;
    ui::Forms::unload(*this);
}

bool frmTositeHaku::IsInList(long id) const {
    for (int r = 0; r < lstTositteet->count(); ++r)
        if (lstTositteet->item(r)->data(Qt::UserRole).toLongLong() == id) return true;
    return false;
}

bool frmTositeHaku::addVoucher(long id) {
    if (IsInList(id)) return false;
    core::cTosite t;
    // An entry whose voucher is gone names no voucher to show.
    if (!t.Read(id)) return false;
    if (t.Numero() < 0) return false;
    const QString paiva = t.Paiva().toShortString();
    auto* item = new QListWidgetItem(QString::number(t.Numero()) + QStringLiteral(" - ") + paiva +
                                     QStringLiteral(" - ") + t.Selite());
    item->setData(Qt::UserRole, qlonglong(id));
    lstTositteet->addItem(item);
    return true;
}

void frmTositeHaku::Etsi() {
    long count = 0;
    const QString arvo = tVienninArvo->text();
    const QString selite = tSelite->text();
    auto showCount = [this, &count] {
        if (count == 0)
            lblSearchMessage->setText(core::TranslateStr(QStringLiteral("frmTositeHaku"), QStringLiteral("Ei löytynyt.")));
        else
            lblSearchMessage->setText(core::TranslateStr(QStringLiteral("frmTositeHaku"), QStringLiteral("Löytyi")) +
                                      QLatin1Char(' ') + QString::number(count) + QLatin1Char(' ') +
                                      (count == 1 ? core::TranslateStr(QStringLiteral("frmTositeHaku"), QStringLiteral("tosite."))
                                                  : core::TranslateStr(QStringLiteral("frmTositeHaku"),
                                                                       QStringLiteral("tositetta."))));
    };
    if (arvo.isEmpty() && selite.isEmpty()) {
        // The list of the previous search stays.
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositeHaku"), QStringLiteral("Anna ensin hakuehdot.")));
        showCount();
        return;
    }
    std::optional<dao::Currency> amount;
    if (!arvo.isEmpty()) {
        amount = dao::Currency::parse(arvo);
        // The description is still searched for.
        if (!amount)
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmTositeHaku"),
                                              QStringLiteral("Viennin arvon tulee olla numeerinen.")));
    }
    lstTositteet->clear();
    if (amount)
        for (long id : TositteetVienninArvolla(*amount))
            if (addVoucher(id)) ++count;
    if (!selite.isEmpty())
        for (long id : TositteetSelitteella(selite))
            if (addVoucher(id)) ++count;
    showCount();
}

long ShowTositeHaku() {
    ui::Forms::show(ui::Forms::get<frmTositeHaku>(), true);
    return HakuTositeID;
}

}  // namespace vouchers
