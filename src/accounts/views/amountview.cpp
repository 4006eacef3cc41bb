#include "accounts/views/amountview.h"

#include "accounts/views/viewsupport.h"
#include "core/ui/translator.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

namespace accounts::detail {

AmountView::AmountView(const QString& name, Print print)
    : ui::Form(name),
      run([name] { return core::TranslateStr(name, QStringLiteral("Odottamaton virhe: ")); }),
      print_(std::move(print)) {}

AmountView::~AmountView() = default;

QAction* AmountView::buildMenu(const char* refreshName, const QString& refreshCaption) {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mTiedosto = ui::addMenu(menuBar, QStringLiteral("mTiedosto"), QStringLiteral("Tiedosto"));
    auto action = [this](const char* name, const QString& caption, QKeySequence key) {
        return ui::addWindowAction(mTiedosto, this, name, caption, key);
    };
    QAction* refresh = action(refreshName, refreshCaption, QKeySequence(Qt::Key_F5));
    mTulosta = action("mTulosta", QStringLiteral("Tulosta"), QKeySequence(Qt::Key_F7));
    mTiedosto->addSeparator();
    mSulje = action("mSulje", QStringLiteral("Sulje"), QKeySequence());
    return refresh;
}

void AmountView::buildRows(std::vector<RowColumn> leading, std::initializer_list<StripLabel> leadingHeadings,
                           const StripLabel& yhteensa, AmountColumns a) {
    const RowsFrame frames = MakeRowsFrame(this);
    Frame2 = frames.outer;
    frameTiedot = frames.rows;
    leading.push_back({QStringLiteral("lblDebet"), QStringLiteral("Debet"), a.debetLeft, a.width, true});
    leading.push_back({QStringLiteral("lblKredit"), QStringLiteral("Kredit"), a.kreditLeft, a.width, true});
    leading.push_back({QStringLiteral("lblErotus"), QStringLiteral("Erotus"), a.erotusLeft, a.width, true});
    rows_ = std::make_unique<RowDisplay>(frameTiedot, std::move(leading));
    Frame3 = PlaceTotals(
        frames, *rows_,
        {yhteensa,
         {&lblDebetSumma, QStringLiteral("lblDebetSumma"), QStringLiteral("Debet"), a.debetLeft, a.width, true},
         {&lblKreditSumma, QStringLiteral("lblKreditSumma"), QStringLiteral("Kredit"), a.kreditLeft, a.width, true},
         {&lblErotusSumma, QStringLiteral("lblErotusSumma"), QStringLiteral("Erotus"), a.erotusLeft, a.width, true}});
    Frame1 = MakeHeadings(this, rows_->widthTwips(), leadingHeadings);
    MakeStripLabels(
        Frame1,
        {{&lblDebetHeader, QStringLiteral("lblDebetHeader"), QStringLiteral("Debet"), a.debetLeft, a.width, true},
         {&lblKreditHeader, QStringLiteral("lblKreditHeader"), QStringLiteral("Kredit"), a.kreditLeft, a.width, true},
         {&lblErotusHeader, QStringLiteral("lblErotusHeader"), QStringLiteral("Erotus"), a.erotusLeft, a.width, true}},
        true);
    scrlBar = MakeRowScrollBar(this);
}

void AmountView::layOut(QHBoxLayout* top) {
    LayOutView(this, menuBar, top, Frame1, Frame2, scrlBar);
    ui::Events::of(cSulje).onClick([this] { Sulje(); });
    ui::Events::of(mSulje).onClick([this] { cSulje->click(); });
    ui::Events::of(mTulosta).onClick([this] { Tulosta(); });
    ui::Events::of(scrlBar).onChange([this] { ShowRows(); });
}

void AmountView::clearAmounts(size_t n) {
    debet_.assign(n, dao::Currency());
    kredit_.assign(n, dao::Currency());
    erotus_.assign(n, dao::Currency());
}

void AmountView::showTotals() {
    dao::Currency totalD, totalK;
    for (size_t i = 0; i < debet_.size(); ++i) {
        erotus_[i] = debet_[i] - kredit_[i];
        totalD += debet_[i];
        totalK += kredit_[i];
    }
    lblDebetSumma->setText(totalD.toCurrencyString());
    lblKreditSumma->setText(totalK.toCurrencyString());
    lblErotusSumma->setText((totalD - totalK).toCurrencyString());
}

void AmountView::showRows(int count, const std::function<QStringList(int)>& leading) {
    rows_->showRows(scrlBar->value(), count, [&](int k) {
        const size_t i = size_t(k);
        return leading(k) << debet_[i].toCurrencyString() << kredit_[i].toCurrencyString() << erotus_[i].toCurrencyString();
    });
}

void AmountView::Tulosta() {
    run([this] {
        // The heading titles the preview and names the printed document.
        PrintWorkTable(print_.definition, core::TranslateStr(objectName(), print_.heading), print_.sortField);
    });
}

void AmountView::Sulje() { ui::Forms::unload(*this); }

}  // namespace accounts::detail
