#pragma once

// frmTositteet: the older voucher window, which the main window opens
// instead of frmNewTositteet when the setting VanhatTositteet is on.
//
// It shows one voucher of table `to` at a time through the data control
// Data1, whose text boxes (number, date, text) are bound to the voucher's
// fields; the voucher's stored entries are listed in the grid grdViennit,
// fed by the second data control Data2, and one entry at a time is edited
// below it through the entry record curVienti. Beside them lstTositteet
// lists every voucher of the window's mode: normal vouchers (both flags
// False), opening vouchers (bAvaustosite) or closing vouchers
// (bPaatostosite).
//
// What is typed is stored by the save, and whenever the window leaves it:
// another entry taken into the editor, another voucher shown, a new one
// started, the window closed. The entry and its voucher's pending row go
// into the book in one write, so a store that fails (another program holds
// the book) leaves the window and the book as they were: the user is told,
// and the same key stores it once the book is free. A window that waits
// for the user holds nothing of the book.
//
// The window is built of four parts:
//   frmtositteet.cpp           controls, loading, the voucher list and browsing
//   frmtositteet_commands.cpp  new, save, undo and delete, numbering, the voucher fields
//   frmtositteet_entries.cpp   the entry grid, the entry editor and the running totals
//   frmtositteet_templates.cpp voucher templates and the chosen account's balance
//
// Keys (menu shortcuts; they win over the text boxes' own): F2 new, F3
// save, F4 delete, F5 browse, Ctrl+Z undo, Ctrl+A/S/D/F first, previous,
// next and last voucher, Shift+F2/F4/F5 new entry, delete entry, to the
// grid, F6/F8/F9 the account views.

#include "core/records/tosite.h"
#include "core/records/vienti.h"
#include "core/ui/translator.h"
#include "legacy/datacontrol.h"
#include "legacy/legacyrunner.h"
#include "platform/dao/currency.h"
#include "platform/ui/forms.h"
#include "vouchers/tools/toolsupport.h"

#include <QListWidget>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace vouchers {
class cTositePohja;
}

namespace legacy {

class frmTositteet : public ui::Form {
    Q_OBJECT
public:
    frmTositteet();
    ~frmTositteet() override;

    // ---- Public state; other windows may read and set it.
    // The start-up voucher check is still to run (set at load, cleared by
    // the first activation).
    bool bTositteidenKaynnistysTarkistus = false;
    // The mode, set by the opener before the window loads.
    bool bAvaustosite = false;
    bool bPaatostosite = false;
    // A new voucher row is being set up (between Data1's AddNew and its
    // first entry).
    bool bAddingNew = false;
    // A new voucher was just created; its text is still to be copied into
    // the entry text.
    bool bNewAdded = false;
    // A new voucher was started: the focus may move on to cUusiTosite once
    // the voucher balances.
    bool bAutomateButtonOrder = false;
    // The running totals may be recomputed.
    bool bDoCountBalance = false;
    // The grid's row marking is being set by the window.
    bool bHighlightingRow = false;

    // ---- The voucher list and browsing
    void FillTositeLista();
    // Selects the first item whose data is id, else item 0; nothing for an
    // empty combo.
    static void SelectByItemData(QComboBox* combo, long id);
    // Gives the loaded window another mode: what is pending is stored, and
    // the record set, the list and the entries follow the new mode. False
    // when what is pending could not be stored (the user has been told):
    // the window then stays in its mode.
    bool SetMode(bool avaus, bool paatos);

    // ---- Vouchers
    // The next number of the mode's series: opening vouchers are numbered
    // among themselves, normal and closing vouchers share the other series.
    long SeuraavaTositenumero();
    // The save command (cTallenna), also for the window's reports. False
    // when the book refused what was to be stored (another copy of the
    // program changed it, and the user has been told): nothing of the
    // voucher was stored then. A write that fails (another program holds
    // the book) raises, and what was typed stays to be saved again.
    bool Tallenna();

    // ---- Entries
    void InitEmptyVienti();
    void FillTiliCombo();
    void FillKPCombo();
    void SetGridColumns();
    void ShowVienti();
    void ClearVientiFields();
    void HighlightVientiRow();
    // Stores what the voucher shown holds and has not stored (not while a
    // new voucher is being set up): the entry in the editor and the
    // voucher's pending edit or new row, in one write. A failure leaves the
    // window and the book as they were, and reaches the caller.
    void CommitPendingEdits();
    // The amount box's text taken as the entry's amount, or refused
    // (core::AcceptAmountBox); false when refused.
    bool AcceptSumma();
    void UpdateSummat();
    // Debit total minus credit total of the current voucher, as last computed.
    dao::Currency Erotus() const { return erotus_; }
    // The entry shown in the editor (the blank placeholder when none).
    const core::cVienti& CurVienti() const { return *curVienti_; }

    // ---- Templates and the chosen account's balance
    void BuildTositepohjaMenu();
    void ShowHalutunTilinSaldo();

    // ---- What other parts of the program plug in. Without them the
    // command does nothing (the check window) or tells that it is not
    // available.
    // Opens the voucher check window (not modal).
    static void SetCheckWindowOpener(std::function<void()> opener);
    // Shows the template editor modally; returns when it has closed.
    static void SetTemplateEditor(std::function<void()> editor);
    // The report commands of the menu "Raportit", by the menu item's name
    // ("mPaivakirja", "mPaakirja", "mPaakirjaKustannuspaikalle",
    // "mRapYksiTili"); save stores the voucher on screen first.
    using ReportCommand = std::function<void(const QString& item, bool bAvaus, bool bPaatos,
                                             const std::function<void()>& save)>;
    static void SetReportCommand(ReportCommand command);

    // ---- Data controls
    DataControl Data1;
    DataControl Data2{dao::RecordsetType::Snapshot};

    // ---- Controls
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mTositteidenTarkistus = nullptr;
    QAction* mTilinPaivasaldot = nullptr;
    QAction* mTilienSaldot = nullptr;
    QAction* mTilitarkastelu = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTietue = nullptr;
    QAction* mUusi = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPoista = nullptr;
    QAction* mSelaa = nullptr;
    QAction* mPeru = nullptr;
    QAction* mEnsimmainen = nullptr;  // objectName "mEnsimmäinen"
    QAction* mEdellinen = nullptr;
    QAction* mSeuraava = nullptr;
    QAction* mViimeinen = nullptr;
    QMenu* mViennit = nullptr;
    QAction* mUusiVienti = nullptr;
    QAction* mPoistaVienti = nullptr;
    QAction* mSelaaVienti = nullptr;
    QMenu* mRaportit = nullptr;
    QAction* mPaivakirja = nullptr;
    QAction* mPaakirja = nullptr;
    QAction* mPaakirjaKustannuspaikalle = nullptr;
    QAction* mRapYksiTili = nullptr;
    QMenu* mTositepohjat = nullptr;
    QAction* mMuokkaaTositepohjia = nullptr;
    QList<QAction*> mTositepohjaX;  // "mTositepohjaX(i)"; element 0 always there
    QMenu* mTietoja = nullptr;

    QGroupBox* frameTosite = nullptr;
    QLabel* lblTositenumero = nullptr;
    QLineEdit* tTositenumero = nullptr;
    QLabel* lblTositepvm = nullptr;
    QLineEdit* tTositepvm = nullptr;
    QLabel* lblTositeSelite = nullptr;
    QLineEdit* tTositeSelite = nullptr;
    // Taking the focus does not pick a line by itself: a line is picked by
    // the user or by the window.
    vouchers::PickList* lstTositteet = nullptr;

    QGroupBox* frameTositteenviennit = nullptr;
    QTableWidget* grdViennit = nullptr;
    QLabel* lblTililuettelo = nullptr;
    QComboBox* cmbTililuettelo = nullptr;
    QLabel* lblKustannuspaikka = nullptr;
    QComboBox* cmbKustannuspaikka = nullptr;
    std::array<QRadioButton*, 2> optTyyppi{};  // "optTyyppi(0)" Debet, "optTyyppi(1)" Kredit
    QLabel* lblSumma = nullptr;
    QLineEdit* tSumma = nullptr;
    QLabel* lblVientiSelite = nullptr;
    QLineEdit* tVientiSelite = nullptr;
    QPushButton* cUusiVienti = nullptr;
    QPushButton* cPoistaVienti = nullptr;
    QLabel* lblDebetSummaTeksti = nullptr;
    QLabel* lblDebetSumma = nullptr;
    QLabel* lblKreditSummaTeksti = nullptr;
    QLabel* lblKreditSumma = nullptr;
    QLabel* lblErotusTeksti = nullptr;
    QLabel* lblErotus = nullptr;
    QLabel* lblHalutunTilinSaldo = nullptr;

    QPushButton* cUusi = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cSulje = nullptr;
    QPushButton* cEnsimmainen = nullptr;  // objectName "cEnsimmäinen"
    QPushButton* cEdellinen = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cViimeinen = nullptr;
    QPushButton* cUusiTosite = nullptr;
    std::array<QPushButton*, 5> cTositePohja{};  // 1..4; [0] unused

    // ---- The book closed or rewritten under the window
    // Stores the voucher being edited or added and the entry in the editor,
    // as leaving the voucher does.
    bool StorePendingEdits() override;
    // Reads the book again and shows the voucher shown before, when it is
    // still there (else the first of the mode); nothing read before is
    // written back.
    void ReadBookAgain() override;

protected:
    void Load() override;
    // Stores what is pending before the window goes; when that fails, the
    // user is told and the window stays with what was typed (unless the
    // program is ending).
    bool QueryUnload() override;
    void Unload() override;

private:
    // ---- Building (frmtositteet.cpp)
    void buildMenus();
    void buildVoucherFields();
    void buildEntryArea();
    void buildButtons();
    void layOut();
    void connectEvents();
    void connectVoucherFields();
    void connectEntryEvents();

    // ---- The current voucher (frmtositteet.cpp)
    void currentVoucherChanged();
    // Data1 leaves its row: what the voucher holds is stored first, and a
    // failure stops the move.
    void leavingVoucher();
    long currentToId() const;  // 0 when there is none
    void navigate(DataControl::Step direction);
    void ListClick();
    void Selaa();
    void Sulje();
    void activate();
    void TositteidenTarkistus();
    void openView(const QString& name);
    void runReport(const QString& item);

    // ---- Commands (frmtositteet_commands.cpp)
    // Each command ends at the first step that fails, and the window's
    // runner tells the user what failed.
    void Uusi();
    // The new row's first entry, mode and number (a part of Uusi).
    void setUpNewRow();
    // Drops the new row being set up, after a step of Uusi failed; the
    // voucher shown before is shown again.
    void dropNewRow();
    void Peru();
    void Poista();
    void numeroLeft();
    void pvmKeyPress(int& keyAscii);
    void pvmLeft();
    void seliteLeft();
    void fieldChanged();
    // Runs a focus-lost handler of control (not for a control that only
    // seemed to lose a focus it never got, nor on a window that is going).
    void leave(QWidget* control, const std::function<void()>& f);
    // Moves the focus back to w from inside a focus-lost handler.
    void focusBack(QWidget* w);
    // Discards entries stored under a voucher that never came to be.
    void dropEntriesOf(long toID);
    // Stores the entry in the editor and the voucher's pending row, as
    // CommitPendingEdits; false when the book refused them (another copy of
    // the program changed it: the user has been told, and the window holds
    // nothing of them any more).
    bool storePending();
    // A date typed into the date field and not yet taken is taken (or
    // refused) now, before a write begins: what it tells the user is never
    // asked inside one.
    void takeTypedDate();
    // Stores the voucher's pending edit or new row. When the book's
    // financial year is no longer the one the program works in (another copy
    // of the program changed it), nothing is stored: the pending row is
    // dropped (a new one with its entries), the user is told, and false is
    // returned.
    bool storeVoucher();
    // Drops the voucher's pending edit or new row (a new one with whatever
    // was stored under it), after a save of it was refused.
    void dropPendingVoucher();
    // After the entry being saved was found removed by another copy of the
    // program while its voucher is still in the book: stores the voucher's
    // own pending fields and tells the user what was stored and what not.
    void storeAfterEntryGone();
    // Inside the write that stores the voucher row (Data1's write handler).
    void voucherWrite();
    // Stores what the entry record v holds, in one write that first makes
    // sure that its voucher is still in the book and that the book's year
    // is still the program's. An entry of the voucher shown goes into the
    // book in one write with that voucher's pending edit or new row. When
    // another copy of the program has removed the voucher or changed the
    // year, nothing is written: the entry is dropped unwritten and so is the
    // voucher's pending row (nothing of the voucher is stored), the user is
    // told, the windows read the book again, and false is returned. A write
    // that fails raises, and leaves the records and the book as they were.
    bool saveVienti(core::cVienti* v);

    // ---- Entries (frmtositteet_entries.cpp)
    // The entry in the editor is stored before v takes its place; when that
    // fails, it stays in the editor and the failure reaches the caller.
    void setCurVienti(std::unique_ptr<core::cVienti> v);
    void useEmptyVienti();
    void fillGrid();
    void data2Repositioned();
    void gridChosen();
    long gridKey(int row) const;
    void UusiVienti();
    void PoistaVienti();
    void comboLeft(QComboBox* combo, bool tili);
    void comboChosen(QComboBox* combo, bool tili);
    void tyyppiChosen(int index);
    void tyyppiKeyDown(int index, int& keyCode);
    void summaChanged();
    void vientiSeliteChanged();
    void autoStart();
    void uusiVientiFocused();

    // ---- Templates (frmtositteet_templates.cpp)
    void MuokkaaTositepohjia();
    void TositepohjaX(int index);
    // The quick-choice button n: the template of that number.
    void PikavalintaPohja(int n);
    void applyAndShow(std::unique_ptr<vouchers::cTositePohja> pohja);

    // Runs a handler and lets no error escape: what it raises is shown.
    const LegacyRunner run{this, QStringLiteral("frmTositteet")};

    std::unique_ptr<core::cVienti> emptyVienti_;
    std::unique_ptr<core::cVienti> ownVienti_;  // the entry record curVienti_ refers to, when not the blank one
    core::cVienti* curVienti_ = nullptr;
    dao::Currency erotus_;
    bool fillingList_ = false;
    int listRow_ = -1;  // the line of the list last picked and shown
    bool showingVienti_ = false;
    bool gone_ = false;  // unloading: the fields' handlers do nothing more
    long shownBeforeChange_ = 0;  // the voucher shown when the book was last closed or rewritten
    // The number the new voucher being added was given; 0 when none is
    // being added. While its box still shows it, the number is taken anew
    // as the voucher is stored.
    long proposedNumero_ = 0;
    QPointer<QWidget> skipLeave_;
};

}  // namespace legacy
