// The model editor: its controls, layout and life cycle, the tree and what
// showing a model or a row puts on screen. The commands are in
// frmnewtulosjatase_commands.cpp, the account list and the formula editor
// in frmnewtulosjatase_accounts.cpp.

#include "statement_models/frmnewtulosjatase.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/sys/mousecursor.h"
#include "platform/sys/popuphook.h"
#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/twips.h"
#include "reportctl/reportglobals.h"
#include "statement_models/mallipuu.h"

#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace statement_models {

namespace {

const char* const kDragFormat = "application/x-kolvio-mallirivi";
constexpr int kKeyRole = Qt::UserRole;

// The client area at the window's opening, in twips: room for the model
// names of the tree and for some ten rows of the account list.
constexpr int kClientWidth = 15600;
constexpr int kClientHeight = 9600;
// The narrowest the tree may become, and the progress bar's width.
constexpr int kTreeMinWidth = 2835;
constexpr int kBarWidth = 315;

using ui::named;

}  // namespace

// ================================================================ the tree

MalliTree::MalliTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    connect(this, &QTreeWidget::itemClicked, this, [this] {
        if (onNodeClick) onNodeClick();
    });
}

void MalliTree::setDropHighlight(QTreeWidgetItem* item) {
    if (item == dropHighlight_) return;
    if (dropHighlight_) dropHighlight_->setData(0, Qt::BackgroundRole, QVariant());
    dropHighlight_ = item;
    if (item) item->setBackground(0, palette().brush(QPalette::Highlight));
}

void MalliTree::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown) onMouseDown(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
}

void MalliTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (onNodeClick) onNodeClick();
        return;
    }
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() != before && onNodeClick) onNodeClick();
}

void MalliTree::startDrag(Qt::DropActions) {
    if (onStartDrag) onStartDrag();
    auto* window = qobject_cast<frmNewTulosJaTase*>(this->window());
    if (window && window->DragNode()) {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kDragFormat), frmNewTulosJaTase::KeyOf(window->DragNode()).toUtf8());
        drag->setMimeData(data);
        drag->exec(Qt::MoveAction);
    }
    if (onCompleteDrag) onCompleteDrag();
}

void MalliTree::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() == this && event->mimeData()->hasFormat(QString::fromLatin1(kDragFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MalliTree::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    if (onDragOver) onDragOver(event->position().toPoint());
    event->acceptProposedAction();
}

void MalliTree::dropEvent(QDropEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    // The window moves the row and the nodes itself.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (onDrop) onDrop();
}

// ================================================================ construction

frmNewTulosJaTase::frmNewTulosJaTase() : ui::Form(QStringLiteral("frmNewTulosJaTase")) {
    setWindowTitle(QStringLiteral("Tuloslaskelma ja tase"));
    curModel_ = std::make_unique<cMalli>();
    curModel_->setIsEmpty(true);
    curModelRow_ = std::make_unique<cMalliRivi>();
    curModelRow_->setIsEmpty(true);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    menuBar = named(new QMenuBar(this), "menuBar");
    outer->setMenuBar(menuBar);
    client_ = new QWidget(this);
    outer->addWidget(client_);

    tvMalli = named(new MalliTree(client_), "tvMalli");
    cAvaaKaikki = named(new QPushButton(QStringLiteral("&Avaa kaikki"), client_), "cAvaaKaikki");

    buildMenus();
    buildToolbar();
    buildModelFrame();

    frameLasketaan = named(new QGroupBox(client_), "frameLasketaan");
    Label8 = named(new QLabel(QStringLiteral("LASKENTA KÄYNNISSÄ..."), frameLasketaan), "Label8");
    Label8->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(frameLasketaan))->addWidget(Label8);
    frameLasketaan->hide();
    pBar = named(new QProgressBar(client_), "pBar");
    pBar->setOrientation(Qt::Vertical);
    pBar->setTextVisible(false);
    pBar->setValue(0);

    connectEvents();
    layOut();
    // The window was drawn for a 9-point system font; a larger one gets a
    // window as much larger (within the screen), so that the model names and
    // the accounts have their room.
    const double scale = std::max(1.0, font().pointSizeF() / 9.0);
    resize(int(ui::TwipsToPixelsX(this, kClientWidth) * scale),
           int(ui::TwipsToPixelsY(this, kClientHeight) * scale) + menuBar->sizeHint().height());
}

frmNewTulosJaTase::~frmNewTulosJaTase() {
    // The handlers of the records must not reach a window that is going.
    if (curModel_) curModel_->NameChanged = nullptr;
    if (curModelRow_) curModelRow_->NameChanged = nullptr;
    if (QWidget* f = QApplication::focusWidget(); f && isAncestorOf(f)) f->clearFocus();
}

void frmNewTulosJaTase::buildMenus() {
    auto menu = [this](const char* name, const char* caption) { return ui::addMenu(menuBar, name, caption); };
    auto action = [this](QMenu* m, const char* name, const char* caption, QKeySequence key = {}) {
        return ui::addWindowAction(m, this, name, caption, key);
    };
    mTiedosto = menu("mTiedosto", "Tiedosto");
    mTarkistaTilikartta = action(mTiedosto, "mTarkistaTilikartta", "Tarkista Tilikartta");
    mAvaaTarkistusikkuna = action(mTiedosto, "mAvaaTarkistusikkuna", "Avaa tarkistusikkuna");
    mTiedosto->addSeparator();
    mTulosta = action(mTiedosto, "mTulosta", "Tu&losta", QKeySequence(Qt::Key_F7));
    mTulTililuettelo = action(mTiedosto, "mTulTililuettelo", "Tulosta tilikartta");
    mTiedosto->addSeparator();
    mSulje = action(mTiedosto, "mSulje", "&Sulje");

    mTietue = menu("mTietue", "T&ietue");
    mUusi = action(mTietue, "mUusi", "&Uusi", QKeySequence(Qt::Key_F2));
    mTallenna = action(mTietue, "mTallenna", "&Tallenna", QKeySequence(Qt::Key_F3));
    mPoista = action(mTietue, "mPoista", "&Poista", QKeySequence(Qt::Key_F4));
    mSelaa = action(mTietue, "mSelaa", "Se&laa", QKeySequence(Qt::Key_F5));
    mPeru = action(mTietue, "mPeru", "P&eru", QKeySequence(Qt::CTRL | Qt::Key_Z));

    mRaportit = menu("mRaportit", "Raportit");
    mRapBudjettivertailu = action(mRaportit, "mRapBudjettivertailu", "Budjettivertailu");
    mRapBudjettivertailu->setEnabled(false);

    // The account list's pop-up menu; not in the menu bar.
    mPopup = named(new QMenu(this), "mPopup");
    mLisaaTili = action(mPopup, "mLisaaTili", "&Lisää tili");
}

void frmNewTulosJaTase::buildToolbar() {
    frameToolbar = named(new QGroupBox(client_), "frameToolbar");
    auto* h = new QHBoxLayout(frameToolbar);
    h->setContentsMargins(4, 4, 4, 4);
    auto button = [&](const char* name, const char* caption, const char* tip) {
        auto* b = named(new QPushButton(QString::fromUtf8(caption), frameToolbar), name);
        b->setToolTip(QString::fromUtf8(tip));
        b->setFocusPolicy(Qt::TabFocus);
        h->addWidget(b);
        return b;
    };
    cUusi = button("cUusi", "Uusi", "Lisää uusi rivi [F2]");
    cTallenna = button("cTallenna", "Tallenna", "Tallenna näytöllä oleva rivi [F3]");
    cPoista = button("cPoista", "Poista", "Poista näytöllä oleva rivi [F4]");
    cSelaa = button("cSelaa", "Selaa", "Selaa malleja [F5]");
    cPeru = button("cPeru", "Peru", "Peru tehdyt muutokset [Ctrl+Z]");
    cTulosta = button("cTulosta", "Tulosta", "Tulosta [F7]");
    cSulje = button("cSulje", "Sulje", "Sulje Tulos ja tase [Alt+F4]");
    h->addStretch(1);
}

void frmNewTulosJaTase::buildModelFrame() {
    frameMalli = named(new QGroupBox(QStringLiteral("Malli"), client_), "frameMalli");
    Label1 = named(new QLabel(QStringLiteral("Nimi:"), frameMalli), "Label1");
    tMallinNimi = named(new QLineEdit(frameMalli), "tMallinNimi");
    tMallinNimi->setMaxLength(50);
    Label2 = named(new QLabel(QStringLiteral("Suojattu:"), frameMalli), "Label2");
    chkMaSuojattu = named(new QCheckBox(frameMalli), "chkMaSuojattu");
    lblTuloslaskelma = named(new QLabel(QStringLiteral("Tuloslask.malli:"), frameMalli), "lblTuloslaskelma");
    cmbTuloslaskelma = named(new QComboBox(frameMalli), "cmbTuloslaskelma");
    cmbTuloslaskelma->setEditable(true);
    cmbTuloslaskelma->setInsertPolicy(QComboBox::NoInsert);
    cmbTuloslaskelma->setCompleter(nullptr);

    frameRivinTiedot = named(new QGroupBox(QStringLiteral("Rivin tiedot"), frameMalli), "frameRivinTiedot");
    lblOtsaketeksti = named(new QLabel(QStringLiteral("Otsaketeksti:"), frameRivinTiedot), "lblOtsaketeksti");
    tOtsake = named(new QLineEdit(frameRivinTiedot), "tOtsake");
    tOtsake->setMaxLength(50);
    cLowerGroupOrder = named(new QToolButton(frameRivinTiedot), "cLowerGroupOrder");
    cLowerGroupOrder->setArrowType(Qt::UpArrow);
    cLowerGroupOrder->setToolTip(QStringLiteral("Siirrä ryhmää puussa ylöspäin"));
    cHigherGroupOrder = named(new QToolButton(frameRivinTiedot), "cHigherGroupOrder");
    cHigherGroupOrder->setArrowType(Qt::DownArrow);
    cHigherGroupOrder->setToolTip(QStringLiteral("Siirrä ryhmää puussa alaspäin"));
    lblTilitLista = named(new QLabel(QStringLiteral("Tilit:"), frameRivinTiedot), "lblTilitLista");
    lstTilit = named(new QListWidget(frameRivinTiedot), "lstTilit");
    lstTilit->setSelectionMode(QAbstractItemView::MultiSelection);
    lblValitutTilit = named(new QLabel(QStringLiteral("Valitut tilit:"), frameRivinTiedot), "lblValitutTilit");
    lblTilit = named(new QPlainTextEdit(frameRivinTiedot), "lblTilit");
    lblTilit->setReadOnly(true);
    lblTilit->setLineWrapMode(QPlainTextEdit::NoWrap);
    chkIsLiikevaihto = named(new QCheckBox(QStringLiteral(" Liikevaihto:"), frameRivinTiedot), "chkIsLiikevaihto");
    chkIsLiikevaihto->setLayoutDirection(Qt::RightToLeft);
    chkVoitto = named(new QCheckBox(QStringLiteral("Voitto / Tappio:"), frameRivinTiedot), "chkVoitto");
    chkVoitto->setLayoutDirection(Qt::RightToLeft);

    frameSpecial = named(new QGroupBox(QStringLiteral("Välisumma"), frameRivinTiedot), "frameSpecial");
    chkUseEquation = named(new QCheckBox(QStringLiteral("Käytä kaavaa:"), frameSpecial), "chkUseEquation");
    chkUseEquation->setLayoutDirection(Qt::RightToLeft);
    lblKaavaTeksti = named(new QLabel(QStringLiteral("Kaava:"), frameSpecial), "lblKaavaTeksti");
    lblKaava = named(new QPlainTextEdit(frameSpecial), "lblKaava");
    lblKaava->setReadOnly(true);
    lblSummaRivit = named(new QLabel(QStringLiteral("Summa rivit:"), frameSpecial), "lblSummaRivit");
    lstSummaRivit = named(new QListWidget(frameSpecial), "lstSummaRivit");
    cPlussaa = named(new QPushButton(QStringLiteral("Summaa"), frameSpecial), "cPlussaa");
    cMiinusta = named(new QPushButton(QStringLiteral("Vähennä"), frameSpecial), "cMiinusta");
    cTyhjennaKaava = named(new QPushButton(QStringLiteral("Tyhjennä"), frameSpecial), "cTyhjennaKaava");

    auto* special = new QGridLayout(frameSpecial);
    special->addWidget(chkUseEquation, 0, 0, 1, 2, Qt::AlignLeft);
    special->addWidget(lblKaavaTeksti, 1, 0, Qt::AlignTop);
    special->addWidget(lblKaava, 1, 1);
    special->addWidget(lblSummaRivit, 2, 0, Qt::AlignTop);
    special->addWidget(lstSummaRivit, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cPlussaa);
    buttons->addWidget(cMiinusta);
    buttons->addWidget(cTyhjennaKaava);
    special->addLayout(buttons, 3, 1);
    special->setRowStretch(1, 1);
    special->setRowStretch(2, 2);

    auto* row = new QGridLayout(frameRivinTiedot);
    auto* heading = new QHBoxLayout;
    heading->addWidget(lblOtsaketeksti);
    heading->addWidget(tOtsake, 1);
    heading->addWidget(cLowerGroupOrder);
    heading->addWidget(cHigherGroupOrder);
    row->addLayout(heading, 0, 0, 1, 2);
    row->addWidget(lblTilitLista, 1, 0);
    row->addWidget(lblValitutTilit, 1, 1);
    row->addWidget(lstTilit, 2, 0, 2, 1);
    row->addWidget(lblTilit, 2, 1);
    auto* flags = new QHBoxLayout;
    flags->addWidget(chkIsLiikevaihto);
    flags->addWidget(chkVoitto);
    row->addLayout(flags, 3, 1);
    row->addWidget(frameSpecial, 4, 0, 1, 2);
    row->setRowStretch(2, 3);
    row->setRowStretch(4, 2);

    auto* model = new QGridLayout(frameMalli);
    model->addWidget(Label1, 0, 0);
    model->addWidget(tMallinNimi, 0, 1);
    model->addWidget(Label2, 0, 2);
    model->addWidget(chkMaSuojattu, 0, 3);
    model->addWidget(lblTuloslaskelma, 1, 0);
    model->addWidget(cmbTuloslaskelma, 1, 1, 1, 3);
    model->addWidget(frameRivinTiedot, 2, 0, 1, 4);
    model->setRowStretch(2, 1);
    model->setColumnStretch(1, 1);
}

void frmNewTulosJaTase::connectEvents() {
    auto on = [this](QObject* control, void (frmNewTulosJaTase::*command)()) {
        ui::Events::of(control).onClick([this, command] { run([this, command] { (this->*command)(); }); });
    };
    on(cUusi, &frmNewTulosJaTase::Uusi);
    on(mUusi, &frmNewTulosJaTase::Uusi);
    on(cTallenna, &frmNewTulosJaTase::Tallenna);
    on(mTallenna, &frmNewTulosJaTase::Tallenna);
    on(cPoista, &frmNewTulosJaTase::Poista);
    on(mPoista, &frmNewTulosJaTase::Poista);
    on(cSelaa, &frmNewTulosJaTase::Selaa);
    on(mSelaa, &frmNewTulosJaTase::Selaa);
    on(cPeru, &frmNewTulosJaTase::Peru);
    on(mPeru, &frmNewTulosJaTase::Peru);
    on(cSulje, &frmNewTulosJaTase::Sulje);
    on(mSulje, &frmNewTulosJaTase::Sulje);
    on(cAvaaKaikki, &frmNewTulosJaTase::AvaaKaikki);
    on(cLowerGroupOrder, &frmNewTulosJaTase::LowerGroupOrder);
    on(cHigherGroupOrder, &frmNewTulosJaTase::HigherGroupOrder);
    on(cPlussaa, &frmNewTulosJaTase::Plussaa);
    on(cMiinusta, &frmNewTulosJaTase::Miinusta);
    on(cTyhjennaKaava, &frmNewTulosJaTase::TyhjennaKaava);
    on(mLisaaTili, &frmNewTulosJaTase::LisaaTili);
    on(mTarkistaTilikartta, &frmNewTulosJaTase::TarkistaTilikartta);
    on(mAvaaTarkistusikkuna, &frmNewTulosJaTase::AvaaTarkistusikkuna);

    // The report commands of other parts of the program.
    on(cTulosta, &frmNewTulosJaTase::Tulosta);
    on(mTulosta, &frmNewTulosJaTase::Tulosta);
    on(mTulTililuettelo, &frmNewTulosJaTase::TulostaTilikartta);
    on(mRapBudjettivertailu, &frmNewTulosJaTase::Budjettivertailu);

    ui::Events::of(chkMaSuojattu).onClick([this] {
        run([this] {
            const bool on = chkMaSuojattu->isChecked();
            curModel_->setSuojattu(on);
            if (on)
                DisableEditing();
            else
                EnableEditing();
            DisplayModelRow();
        });
    });
    ui::Events::of(chkIsLiikevaihto).onClick([this] { curModelRow_->setIsLiikevaihto(chkIsLiikevaihto->isChecked()); });
    ui::Events::of(chkVoitto).onClick([this] { curModelRow_->setIsVoitto(chkVoitto->isChecked()); });
    ui::Events::of(chkUseEquation).onClick([this] { curModelRow_->setIsEquation(chkUseEquation->isChecked()); });

    ui::Events::of(tMallinNimi)
        .onChange([this] { curModel_->setNimi(tMallinNimi->text()); })
        .onGotFocus([this] { core::SelectAllText(tMallinNimi); });
    ui::Events::of(tOtsake)
        .onChange([this] { curModelRow_->setTeksti(tOtsake->text()); })
        .onGotFocus([this] { core::SelectAllText(tOtsake); });
    ui::Events::of(cmbTuloslaskelma).onLostFocus([this] { run([this] { TuloslaskelmaLostFocus(); }); });

    ui::Events::of(lstTilit).onClick([this] {
        if (!bFillingAccounts_) run([this] { accountsClicked(); });
    });

    tvMalli->onMouseDown = [this](const QPoint& pos) {
        run([this] { Tallenna(); });
        if (QTreeWidgetItem* node = tvMalli->itemAt(pos)) tvMalli->setCurrentItem(node);
    };
    tvMalli->onNodeClick = [this] { run([this] { tvMalli_Click(); }); };
    tvMalli->onStartDrag = [this] { run([this] { tvMalli_OLEStartDrag(); }); };
    tvMalli->onDragOver = [this](const QPoint& pos) { tvMalli_OLEDragOver(pos); };
    tvMalli->onDrop = [this] { run([this] { tvMalli_OLEDragDrop(); }); };
    tvMalli->onCompleteDrag = [this] { run([this] { tvMalli_OLECompleteDrag(); }); };

    // The right button opens the pop-up menu; it does not choose accounts.
    lstTilit->viewport()->installEventFilter(this);
}

bool frmNewTulosJaTase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTilit->viewport() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        return true;
    return ui::Form::eventFilter(watched, event);
}

// The tree with its button on the left; on the right the commands above
// the model frame (or, while a statement is computed, the progress frame in
// its place) and the progress bar along the right edge. The extra room of a
// larger window goes to the tree and to the model frame, whose lists grow
// with it.
void frmNewTulosJaTase::layOut() {
    tvMalli->setMinimumWidth(ui::TwipsToPixelsX(this, kTreeMinWidth));
    pBar->setFixedWidth(ui::TwipsToPixelsX(this, kBarWidth));

    auto* left = new QVBoxLayout;
    left->addWidget(tvMalli, 1);
    left->addWidget(cAvaaKaikki);

    auto* frames = new QHBoxLayout;
    frames->addWidget(frameMalli, 1);
    frames->addWidget(frameLasketaan, 1);
    frames->addStretch(0);  // the bar stays at the edge while both frames are hidden
    frames->addWidget(pBar);
    auto* right = new QVBoxLayout;
    right->addWidget(frameToolbar);
    right->addLayout(frames, 1);

    auto* columns = new QHBoxLayout(client_);
    columns->setContentsMargins(4, 4, 4, 4);
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
}

// ================================================================ life cycle

void frmNewTulosJaTase::Load() {
    bFillingAccounts_ = false;
    pBar->setValue(0);
    reports::RaporttiKpID = 0;
    sys::HookPopupMenu(lstTilit, [this](const QPoint& globalPos) { mPopup->popup(globalPos); });

    if (core::DatabasePath.isEmpty() || core::DatabasePath == QLatin1String("unknown")) {
        core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                          QStringLiteral("Tarkista tietokanta asetukset asetusikkunasta.")));
        ui::Forms::unload(*this);
        return;
    }
    ShowBookAfresh();
}

void frmNewTulosJaTase::ShowBookAfresh() {
    // Each step runs also when the one before it failed (its error shown).
    run([this] {
        auto model = std::make_unique<cMalli>();
        model->setIsEmpty(true);
        auto row = std::make_unique<cMalliRivi>();
        row->setIsEmpty(true);
        ShowModel(std::move(model));
        ShowModelRow(std::move(row));
    });
    run([this] { FillAccountList(); });
    run([this] { FillModelTree(); });
    frameRivinTiedot->setEnabled(false);
    frameRivinTiedot->hide();
    DisableModelCommands();
    EnableNew();
}

void frmNewTulosJaTase::Unload() {
    releaseHeld(curModelRow_);
    releaseHeld(curModel_);
    curModel_ = std::make_unique<cMalli>();
    curModel_->setIsEmpty(true);
    curModelRow_ = std::make_unique<cMalliRivi>();
    curModelRow_->setIsEmpty(true);
}

bool frmNewTulosJaTase::StorePendingEdits() {
    // An error reaches the caller: the book is then left alone.
    if (!curModelRow_->IsEmpty()) curModelRow_->Save(false);
    if (!curModel_->IsEmpty()) curModel_->Save(false);
    return true;
}

void frmNewTulosJaTase::ReadBookAgain() {
    // What was shown was stored before the book changed; the window starts
    // again from the book as it now is, as when it is opened.
    ShowBookAfresh();
}

template <class T>
void frmNewTulosJaTase::releaseHeld(std::unique_ptr<T>& held) {
    if (!held) return;
    held->NameChanged = nullptr;
    std::unique_ptr<T> going = std::move(held);
    run([&] { going->Release(); });
}

void frmNewTulosJaTase::attachModel() {
    curModel_->NameChanged = [this](long id, const QString& sName, int) {
        if (id == 0) return;
        if (QTreeWidgetItem* node = NodeByKey(QStringLiteral("ma") + QString::number(id))) node->setText(0, sName);
    };
}

void frmNewTulosJaTase::attachRow() {
    curModelRow_->NameChanged = [this](long id, const QString& sName) {
        if (id == 0) return;
        if (QTreeWidgetItem* node = NodeByKey(QStringLiteral("mr") + QString::number(id))) node->setText(0, sName);
    };
}

// ================================================================ tree

QString frmNewTulosJaTase::KeyOf(const QTreeWidgetItem* node) {
    return node ? node->data(0, kKeyRole).toString() : QString();
}

long frmNewTulosJaTase::idOf(const QTreeWidgetItem* node) { return KeyOf(node).mid(2).toLong(); }

int frmNewTulosJaTase::rowDepth(const QTreeWidgetItem* node) const {
    int depth = 0;
    for (const QTreeWidgetItem* p = node; kindOf(p) == NodeKind::Row; p = p->parent()) ++depth;
    return depth;
}

int frmNewTulosJaTase::rowHeight(const QTreeWidgetItem* node) const {
    int below = 0;
    for (int i = 0; i < node->childCount(); ++i) below = std::max(below, rowHeight(node->child(i)));
    return below + 1;
}

void frmNewTulosJaTase::tellTooDeep() const {
    core::ShowInfo(core::TranslateStr(QStringLiteral("frmNewTulosJaTase"),
                                      QStringLiteral("Mallin rivejä voi olla sisäkkäin enintään %1 tasoa."))
                       .arg(kSuurinSyvyys));
}

frmNewTulosJaTase::NodeKind frmNewTulosJaTase::kindOf(const QTreeWidgetItem* node) const {
    if (!node) return NodeKind::None;
    if (node == rootTulos_ || node == rootTase_) return NodeKind::Root;
    const QString key = KeyOf(node);
    if (key.contains(QLatin1String("mr"), Qt::CaseInsensitive)) return NodeKind::Row;
    if (key.contains(QLatin1String("ma"), Qt::CaseInsensitive)) return NodeKind::Model;
    return NodeKind::None;
}

QTreeWidgetItem* frmNewTulosJaTase::NodeByKey(const QString& key) const {
    if (key.isEmpty()) return nullptr;
    for (QTreeWidgetItemIterator it(tvMalli); *it; ++it)
        if (KeyOf(*it) == key) return *it;
    return nullptr;
}

QTreeWidgetItem* frmNewTulosJaTase::DragNode() const { return NodeByKey(dragKey_); }

QTreeWidgetItem* frmNewTulosJaTase::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text) {
    auto* node = new QTreeWidgetItem(parent);
    node->setData(0, kKeyRole, key);
    node->setText(0, text);
    return node;
}

void frmNewTulosJaTase::removeNode(QTreeWidgetItem* node) {
    if (!node) return;
    auto within = [node](QTreeWidgetItem* item) {
        for (auto* p = item; p; p = p->parent())
            if (p == node) return true;
        return false;
    };
    if (within(tvMalli->DropHighlight())) tvMalli->setDropHighlight(nullptr);
    if (within(lastNode_)) lastNode_ = nullptr;
    delete node;
}

void frmNewTulosJaTase::FillModelTree() {
    tvMalli->setDropHighlight(nullptr);
    tvMalli->clear();
    lastNode_ = nullptr;
    dragKey_.clear();
    rootTulos_ = addNode(nullptr, QString(), core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Tuloslaskelma")));
    tvMalli->addTopLevelItem(rootTulos_);
    rootTase_ = addNode(nullptr, QString(), core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Tase")));
    tvMalli->addTopLevelItem(rootTase_);

    dao::Database db = core::DBCon().AvaaDB();
    Mallipuut trees(db);
    QStringList refused;
    for (const auto& [type, root] : {std::pair{kTuloslaskelma, rootTulos_}, std::pair{kTase, rootTase_}}) {
        // A model of neither kind has no place in the tree; it is left as it is.
        for (const core::ModelListEntry& m : core::ModelList(db, type, core::ModelOrder::ByName)) {
            QTreeWidgetItem* modelNode = addNode(root, QStringLiteral("ma") + QString::number(m.id), m.name);
            // A model whose rows form no tree is shown without them, and
            // the user is told which rows they are.
            try {
                trees.Tarkista(m.id);
            } catch (const MallipuuVirhe& e) {
                refused << e.description();
                continue;
            }
            if (QTreeWidgetItem* last = addTopRows(db, modelNode)) lastNode_ = last;
        }
    }
    if (!refused.isEmpty()) core::ShowInfo(refused.join(QStringLiteral("\n\n")));
}

QTreeWidgetItem* frmNewTulosJaTase::addTopRows(dao::Database& db, QTreeWidgetItem* modelNode) {
    QTreeWidgetItem* node = nullptr;
    for (const ModelRowEntry& row : TopRows(db, idOf(modelNode))) {
        node = addNode(modelNode, QStringLiteral("mr") + QString::number(row.id), row.text);
        if (HasChildRows(db, row.id)) AddChildRows(db, node);
    }
    return node;
}

void frmNewTulosJaTase::AddChildRows(dao::Database& db, QTreeWidgetItem* parent) {
    // The rows below stand one level deeper than the parent node.
    const int depth = rowDepth(parent) + 1;
    for (const auto& [id, text] : ChildRows(db, idOf(parent))) {
        TarkistaSyvyys(db, id, depth);
        QTreeWidgetItem* node = addNode(parent, QStringLiteral("mr") + QString::number(id), text);
        if (HasChildRows(db, id)) AddChildRows(db, node);
    }
}

// ================================================================ showing

void frmNewTulosJaTase::tvMalli_Click() {
    QTreeWidgetItem* node = tvMalli->currentItem();
    if (tvMalli->topLevelItemCount() == 0 || !node) return;
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    const NodeKind kind = kindOf(node);
    if (kind == NodeKind::Root || kind == NodeKind::None) {
        DisableModelCommands();
        frameRivinTiedot->setEnabled(false);
        frameRivinTiedot->hide();
        EnableNew();
        return;
    }
    EnableModelCommands();
    // A node whose row or model is no longer in the book shows nothing, so
    // that nothing typed can make a new one.
    if (kind == NodeKind::Model) {
        auto model = std::make_unique<cMalli>();
        if (!model->Read(idOf(node))) model->setIsEmpty(true);
        ShowModel(std::move(model));
        return;
    }
    auto row = std::make_unique<cMalliRivi>();
    if (!row->Read(idOf(node))) row->setIsEmpty(true);
    if (!row->IsEmpty() && curModel_->id() != row->MalliId()) {
        auto model = std::make_unique<cMalli>();
        if (!model->Read(row->MalliId())) model->setIsEmpty(true);
        ShowModel(std::move(model));
    }
    ShowModelRow(std::move(row));
}

void frmNewTulosJaTase::ensureSelectionShown() {
    QTreeWidgetItem* node = tvMalli->currentItem();
    const NodeKind kind = kindOf(node);
    if ((kind == NodeKind::Row && idOf(node) != curModelRow_->id()) ||
        (kind == NodeKind::Model && idOf(node) != curModel_->id()))
        tvMalli_Click();
}

void frmNewTulosJaTase::ShowModel(std::unique_ptr<cMalli> model) {
    releaseHeld(curModel_);
    curModel_ = std::move(model);
    attachModel();
    DisplayModelRow();
    DisplayModel();
}

void frmNewTulosJaTase::ShowModelRow(std::unique_ptr<cMalliRivi> row) {
    releaseHeld(curModelRow_);
    curModelRow_ = std::move(row);
    attachRow();
    DisplayModelRow();
}

void frmNewTulosJaTase::ClearModelControls() {
    tMallinNimi->clear();
    chkMaSuojattu->setChecked(false);
    if (cmbTuloslaskelma->count() > 0) cmbTuloslaskelma->setCurrentIndex(0);
}

void frmNewTulosJaTase::EnableModelControls(bool bOn, int Tyyppi) {
    tMallinNimi->setEnabled(bOn);
    chkMaSuojattu->setEnabled(bOn);
    if (Tyyppi == kTase) {
        lblTuloslaskelma->setVisible(true);
        cmbTuloslaskelma->setVisible(true);
        lblTuloslaskelma->setEnabled(bOn);
        cmbTuloslaskelma->setEnabled(bOn);
        mRapBudjettivertailu->setEnabled(false);
    } else {
        lblTuloslaskelma->setVisible(false);
        cmbTuloslaskelma->setVisible(false);
        lblTuloslaskelma->setEnabled(false);
        cmbTuloslaskelma->setEnabled(false);
        mRapBudjettivertailu->setEnabled(bOn);
    }
}

void frmNewTulosJaTase::DisplayModel() {
    if (curModel_->IsEmpty()) {
        ClearModelControls();
        EnableModelControls(false, kTuloslaskelma);
        return;
    }
    EnableModelControls(true, curModel_->Tyyppi());
    tMallinNimi->setText(curModel_->Nimi());
    chkMaSuojattu->setChecked(curModel_->Suojattu());
    FillIncomeModelCombo();
    core::SelectComboByItemData(cmbTuloslaskelma, curModel_->TulosMaID());
}

void frmNewTulosJaTase::FillIncomeModelCombo() {
    dao::Database db = core::DBCon().AvaaDB();
    const QList<core::ModelListEntry> models = core::ModelList(db, kTuloslaskelma, core::ModelOrder::ByKey);
    cmbTuloslaskelma->clear();
    cmbTuloslaskelma->addItem(QStringLiteral(" "), QVariant::fromValue<qlonglong>(0));
    for (const core::ModelListEntry& m : models)
        if (!m.nameIsNull) cmbTuloslaskelma->addItem(m.name, QVariant::fromValue<qlonglong>(m.id));
}

void frmNewTulosJaTase::ClearRowControls() {
    tOtsake->clear();
    lblTilit->clear();
    lblKaava->clear();
    MarkRowAccounts(QString());
    chkIsLiikevaihto->setChecked(false);
    chkVoitto->setChecked(false);
}

void frmNewTulosJaTase::DisplayModelRow() {
    if (curModelRow_->IsEmpty()) {
        ClearRowControls();
        EnableRowControls(false);
        return;
    }
    EnableRowControls(true);
    tOtsake->setText(curModelRow_->Teksti());
    MarkRowAccounts(curModelRow_->Tilit());
    chkIsLiikevaihto->setChecked(curModelRow_->IsLiikevaihto());
    chkVoitto->setChecked(curModelRow_->IsVoitto());
    chkUseEquation->setChecked(curModelRow_->IsEquation());
    ListSelectedAccounts();
    FillFormulaRowList(curModelRow_->MalliId(), curModel_->Tyyppi());
    ShowFormula(curModelRow_->Kaava());
}

void frmNewTulosJaTase::EnableRowControls(bool bOn) {
    frameRivinTiedot->setVisible(bOn);
    const bool on = bOn && !chkMaSuojattu->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             frameRivinTiedot, tOtsake, lstTilit, chkIsLiikevaihto, chkVoitto, lblTilit, lblKaava, lblOtsaketeksti,
             lblTilitLista, frameSpecial, lblSummaRivit, lblKaavaTeksti, lblValitutTilit, cLowerGroupOrder,
             cHigherGroupOrder, cMiinusta, cPlussaa, cTyhjennaKaava, lstSummaRivit, chkUseEquation})
        w->setEnabled(on);
}

void frmNewTulosJaTase::EnableModelCommands() {
    frameMalli->setEnabled(true);
    frameMalli->setVisible(true);
    for (QWidget* w : {cTulosta, cSelaa}) w->setEnabled(true);
    for (QAction* a : {mTulosta, mSelaa}) a->setEnabled(true);
    if (!chkMaSuojattu->isChecked()) {
        for (QWidget* w : {cTallenna, cPoista, cPeru}) w->setEnabled(true);
        for (QAction* a : {mTallenna, mPoista, mPeru}) a->setEnabled(true);
    } else {
        DisableEditing();
    }
}

void frmNewTulosJaTase::DisableModelCommands() {
    frameMalli->setEnabled(false);
    frameMalli->setVisible(false);
    for (QWidget* w : {cTallenna, cPoista, cSelaa, cPeru, cTulosta}) w->setEnabled(false);
    for (QAction* a : {mTallenna, mPoista, mSelaa, mPeru, mTulosta}) a->setEnabled(false);
    frameRivinTiedot->setEnabled(false);
    frameRivinTiedot->setVisible(false);
    EnableNew();
}

void frmNewTulosJaTase::EnableNew() {
    cUusi->setEnabled(true);
    mUusi->setEnabled(true);
}

void frmNewTulosJaTase::EnableEditing() {
    frameRivinTiedot->setEnabled(true);
    for (QWidget* w : {cUusi, cPeru, cTallenna, cPoista}) w->setEnabled(true);
    for (QAction* a : {mUusi, mPeru, mPoista, mTallenna}) a->setEnabled(true);
}

void frmNewTulosJaTase::DisableEditing() {
    frameRivinTiedot->setEnabled(false);
    for (QWidget* w : {cUusi, cPeru, cTallenna, cPoista}) w->setEnabled(false);
    for (QAction* a : {mUusi, mPeru, mPoista, mTallenna}) a->setEnabled(false);
}

std::unique_ptr<cMalli> frmNewTulosJaTase::NewModel(int Tyyppi) {
    auto model = std::make_unique<cMalli>();
    model->setTyyppi(Tyyppi);
    model->setNimi(Tyyppi == kTuloslaskelma
                       ? core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Uusi tuloslaskelmamalli"))
                       : core::TranslateStr(QStringLiteral("frmNewTulosJaTase"), QStringLiteral("Uusi tasemalli")));
    model->Save(true);
    return model;
}

void frmNewTulosJaTase::AddNewModel(int Tyyppi) {
    sys::cMouseCursor cursor;
    cursor.SetCursor(this, sys::kPointerHourglass);
    ShowModel(NewModel(Tyyppi));
}

void frmNewTulosJaTase::ReloadShownRecords() {
    Tallenna();
    if (!curModel_->IsEmpty() && curModel_->id() != 0) {
        auto model = std::make_unique<cMalli>();
        if (!model->Read(curModel_->id())) model->setIsEmpty(true);
        releaseHeld(curModel_);
        curModel_ = std::move(model);
        attachModel();
    }
    if (!curModelRow_->IsEmpty() && curModelRow_->id() != 0) {
        auto row = std::make_unique<cMalliRivi>();
        if (!row->Read(curModelRow_->id())) row->setIsEmpty(true);
        releaseHeld(curModelRow_);
        curModelRow_ = std::move(row);
        attachRow();
    }
    if (!frameMalli->isHidden()) {
        DisplayModelRow();
        DisplayModel();
    }
}

}  // namespace statement_models
