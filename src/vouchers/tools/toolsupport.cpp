#include "vouchers/tools/toolsupport.h"

#include "core/records/lists.h"
#include "platform/ui/controls.h"
#include "vouchers/tositepohja.h"

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QWidget>

namespace vouchers {

PickList::PickList(QWidget* parent) : QListWidget(parent) {}

void PickList::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

namespace {

// A combo of accounts or cost centres over a list the row combos share,
// wide enough for minChars.
QComboBox* entryCombo(QWidget* parent, const QString& name, int index, QStandardItemModel* model, int minChars) {
    auto* c = new QComboBox(parent);
    c->setObjectName(ui::ArrayName(name, index));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);  // typed text is matched when the box is left
    c->setModel(model);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(minChars);
    c->setMaxVisibleItems(20);
    return c;
}

QLineEdit* amountBox(QWidget* parent, const QString& name, int index) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(ui::ArrayName(name, index));
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setMinimumWidth(90);
    return e;
}

}  // namespace

namespace {

void fillModel(QStandardItemModel* model, const std::vector<core::ListLine>& lines,
               QString (*text)(const core::ListLine&)) {
    model->clear();
    auto add = [model](const QString& t, long id) {
        auto* item = new QStandardItem(t);
        item->setData(qlonglong(id), Qt::UserRole);
        model->appendRow(item);
    };
    add(QStringLiteral(" "), 0);
    for (const core::ListLine& line : lines) add(text(line), line.id);
}

}  // namespace

void FillAccountModel(QStandardItemModel* model) {
    fillModel(model, core::AccountList(core::AccountOrder::ByNumber),
              [](const core::ListLine& l) { return l.text(); });
}

void FillCostCentreModel(QStandardItemModel* model) {
    fillModel(model, core::CostCentreList(),
              [](const core::ListLine& l) { return QString::number(l.number.value_or(0)); });
}

QGridLayout* MakeEntryRows(EntryRowControls& r, QWidget* frame, QStandardItemModel* tiliModel,
                           QStandardItemModel* kpModel) {
    auto label = [frame](const char* name, const char* caption) { return ui::makeLabel(frame, name, caption); };
    r.lblDebetTili = label("lblDebetTili", "Debet tili");
    r.lblDebetKP = label("lblDebetKP", "KP");
    r.lblDebetSums = label("lblDebetSums", "Debet summa");
    r.lblKreditSums = label("lblKreditSums", "Kredit summa");
    r.lblKreditKP = label("lblKreditKP", "KP");
    r.lblKreditTili = label("lblKreditTili", "Kredit tili");
    auto combo = [frame](const char* name, int i, QStandardItemModel* model, int minChars) {
        return entryCombo(frame, QString::fromLatin1(name), i, model, minChars);
    };
    auto amount = [frame](const char* name, int i) { return amountBox(frame, QString::fromLatin1(name), i); };
    auto* g = new QGridLayout(frame);
    QWidget* const headings[] = {r.lblDebetTili, r.lblDebetKP, r.lblDebetSums, r.lblKreditSums, r.lblKreditKP,
                                 r.lblKreditTili};
    for (int c = 0; c < 6; ++c) g->addWidget(headings[c], 0, c);
    for (int i = 0; i < kEntryRows; ++i) {
        const size_t s = size_t(i);
        r.cmbDebetTili[s] = combo("cmbDebetTili", i, tiliModel, 16);
        r.cmbDebetKP[s] = combo("cmbDebetKP", i, kpModel, 4);
        r.tDebetSumma[s] = amount("tDebetSumma", i);
        r.tKreditSumma[s] = amount("tKreditSumma", i);
        r.cmbKreditKP[s] = combo("cmbKreditKP", i, kpModel, 4);
        r.cmbKreditTili[s] = combo("cmbKreditTili", i, tiliModel, 16);
        QWidget* const row[] = {r.cmbDebetTili[s], r.cmbDebetKP[s],  r.tDebetSumma[s],
                                r.tKreditSumma[s], r.cmbKreditKP[s], r.cmbKreditTili[s]};
        for (int c = 0; c < 6; ++c) g->addWidget(row[c], i + 1, c);
    }
    return g;
}

std::tuple<QGroupBox*, QLabel*, QLineEdit*, QLabel*, QLineEdit*, QLabel*, QLineEdit*> MakeVoucherHeader(
    QWidget* parent, const char* numeroLabel, const char* pvmLabel) {
    QGroupBox* frame = ui::makeGroupBox(parent, QStringLiteral("frameTosite"), QStringLiteral("Tosite"));
    QLabel* lblNumero = ui::makeLabel(frame, numeroLabel, "Numero:");
    QLineEdit* numero = ui::makeLineEdit(frame, QStringLiteral("tTositenumero"));
    numero->setMaximumWidth(110);
    QLabel* lblPvm = ui::makeLabel(frame, pvmLabel, "Päivämäärä:");
    QLineEdit* pvm = ui::makeLineEdit(frame, QStringLiteral("tTositepvm"));
    pvm->setMaximumWidth(130);
    QLabel* lblSelite = ui::makeLabel(frame, "lblTositeSelite", "Selite:");
    QLineEdit* selite = ui::makeLineEdit(frame, QStringLiteral("tTositeSelite"));
    selite->setMaxLength(255);

    auto* g = new QGridLayout(frame);
    g->addWidget(lblNumero, 0, 0);
    g->addWidget(numero, 0, 1);
    g->addWidget(lblPvm, 0, 2);
    g->addWidget(pvm, 0, 3);
    g->setColumnStretch(4, 1);
    g->addWidget(lblSelite, 1, 0);
    g->addWidget(selite, 1, 1, 1, 4);
    return {frame, lblNumero, numero, lblPvm, pvm, lblSelite, selite};
}

std::tuple<QMenu*, QAction*, QAction*, QAction*, QAction*, QAction*> AddFileMenu(QMenuBar* bar, QWidget* window,
                                                                               const char* closeCaption) {
    QMenu* m = ui::addMenu(bar, "mTiedosto", "&Tiedosto");
    auto action = [&](const char* name, const char* caption, QKeySequence key = {}) {
        return ui::addWindowAction(m, window, name, QString::fromUtf8(caption), key);
    };
    QAction* tarkistus = action("mTositteidenTarkistus", "Tositteiden tarkistus");
    m->addSeparator();
    QAction* paivasaldot = action("mTilinPaivasaldot", "Tilin päiväsaldot", QKeySequence(Qt::Key_F9));
    QAction* saldot = action("mTilienSaldot", "Tilien saldot", QKeySequence(Qt::Key_F6));
    QAction* tilitarkastelu = action("mTilitarkastelu", "Tilitarkastelu", QKeySequence(Qt::Key_F8));
    m->addSeparator();
    QAction* sulje = action("mSulje", closeCaption);
    return {m, tarkistus, paivasaldot, saldot, tilitarkastelu, sulje};
}

std::tuple<QMenu*, QAction*> AddTemplateMenu(QMenuBar* bar, QList<QAction*>& items) {
    QMenu* m = ui::addMenu(bar, "mTositepohjat", "Tositepohjat");
    QAction* muokkaa = ui::addMenuAction(m, QStringLiteral("mMuokkaaTositepohjia"), QStringLiteral("Muokkaa tositepohjia"));
    m->addSeparator();
    QAction* first = m->addAction(QStringLiteral("Tositepohja X"));
    first->setObjectName(ui::ArrayName(QStringLiteral("mTositepohjaX"), 0));
    items << first;
    return {m, muokkaa};
}

namespace {

// A caption that shows an ampersand of a name as it is, not as an access key.
QString plainCaption(const QString& s) {
    QString t = s;
    t.replace(QLatin1Char('&'), QLatin1String("&&"));
    return t;
}

}  // namespace

void ShowTemplateChoices(QMenu* menu, QList<QAction*>& items, const std::array<QPushButton*, 5>& buttons,
                         const std::function<void(QAction* item, int i)>& added) {
    while (items.size() > 1) {
        QAction* a = items.takeLast();
        menu->removeAction(a);
        delete a;
    }
    const core::RecordList<cTositePohja> all = cTositePohjat().All();
    QAction* first = items.first();
    first->setVisible(!all.isEmpty());
    for (qsizetype i = 0; i < all.count(); ++i) {
        QAction* a = first;
        if (i > 0) {
            a = menu->addAction(QString());
            a->setObjectName(ui::ArrayName(QStringLiteral("mTositepohjaX"), int(i)));
            items << a;
            if (added) added(a, int(i));
        }
        a->setText(plainCaption(all.at(i).Nimi()));
        a->setVisible(true);
    }
    const cTositePohjat haku;
    for (int n = 1; n <= 4; ++n) {
        QPushButton* b = buttons[size_t(n)];
        const std::unique_ptr<cTositePohja> p = haku.PikavalintaPohja(n);
        if (p->IsEmpty()) {
            b->setEnabled(false);
            b->setVisible(false);
            b->setText(QString());
        } else {
            b->setEnabled(true);
            b->setText(QStringLiteral("(&%1) ").arg(n) + plainCaption(p->Nimi()));
            b->setVisible(true);
        }
    }
}

}  // namespace vouchers
