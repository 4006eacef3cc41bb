#pragma once

// frmNewTositteet: the voucher window, where the vouchers of the current
// financial year are entered, browsed, saved and deleted in one of three
// modes: ordinary vouchers, opening vouchers (bAvaustosite) and closing
// vouchers (bPaatostosite).
//
// The window shows one voucher at a time: its header (number, date,
// description) above parallel debit and credit entry rows. Six row
// positions are on screen; the scroll bar scrlViennit picks which entries
// of the two entry arrays they show. Each entry row is a core::cVienti
// record; the voucher a core::cTosite. Typing changes the records in
// memory; they are written by the save command, by browse, and whenever
// the window leaves the voucher (another voucher shown, rows added, the
// window closed) - without a question.
//
// Leaving a voucher first writes what it holds; when that fails, the
// voucher stays on screen with everything typed, and the error is shown.
//
// Besides its record commands the window offers voucher templates (four
// quick-choice buttons, Alt+1..4, and a menu item per template, each
// creating a new voucher filled from the template), the template editor,
// the voucher check, the account views and the ledger reports of its mode.
//
// Keys: F2 new, F3 save, F4 delete, F5 browse, Ctrl+H search, Ctrl+Z
// cancel, Ctrl+A/S/D/F first/previous/next/last voucher, F6 account
// balances, F8 one account's entries, F9 one account's daily balances.
// They work from every field, text boxes included. Enter moves to the next
// field.

#include "core/records/tosite.h"
#include "core/records/vienti.h"
#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/dao/currency.h"
#include "platform/dao/database.h"
#include "platform/ui/forms.h"
#include "vouchers/tools/toolsupport.h"
#include "vouchers/tositekirjaus.h"

#include <QHash>
#include <QListWidget>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QStandardItemModel;
class QTimer;

namespace vouchers {

class cTositePohja;

class frmNewTositteet : public ui::Form, public EntryRowControls {
    Q_OBJECT
public:
    // Row positions on screen.
    static constexpr int kRivit = kEntryRows;

    frmNewTositteet();
    ~frmNewTositteet() override;

    // Set when the window loads; the first activation clears it and runs
    // the voucher check.
    bool bTositteidenKaynnistysTarkistus = false;
    // The mode, set by the opener before the window loads.
    bool bAvaustosite = false;
    bool bPaatostosite = false;

    // The largest number of debit entries, or of credit entries, that any
    // one voucher has.
    int MaxLkmViennitPerTosite();

    // The voucher list is read a page at a time: this many lines at once
    // when it is built, then the rest in pages of kListanSivu on idle turns
    // of the event loop, so that the window shows without waiting for a
    // long list.
    static constexpr int kListanAlku = 250;
    static constexpr int kListanSivu = 5000;
    // Pages of the list, or the rows' length, are still to be read.
    bool StillReading() const { return listaKesken_ || !rivimaaraTiedossa_; }

    // Shows in lblHalutunTilinSaldo the balance of the account chosen in
    // the settings (LaskettavaTili): its entries in the other vouchers plus
    // those of the voucher on screen, debit minus credit; "- -" when no
    // account is chosen.
    void ShowHalutunTilinSaldo();
    // Runs the voucher check; when it finds something, asks whether to open
    // the check window. True for Yes. An error in the check gives False.
    // (KaynnistysTarkistus of the voucher tools.)
    bool CheckTositteet();
    // The template menu items mTositepohjaX and the quick-choice buttons
    // cTositePohja(1..4) from the stored templates.
    void BuildTositepohjaMenu();

    // The save command (the click of cTallenna), for the window's reports.
    void Tallenna();

    // Gives the open window another mode: the voucher on screen is left
    // (what it holds is written), no voucher is shown and the list is
    // rebuilt for the new mode. False, with the mode unchanged, when the
    // fields hold a choice that must be corrected first (the message has
    // been shown).
    bool SetMode(bool avaus, bool paatos);

    // Opens the voucher check window (the menu item mTositteidenTarkistus).
    // Windows of other parts of the program plug in here; without one,
    // nothing happens.
    static void SetCheckWindowOpener(std::function<void()> opener);
    // The voucher search (cHaku, mHaku): returns the toID chosen, 0 for
    // none. Without a search window, the command does nothing.
    static void SetSearchWindow(std::function<long()> search);

    // What the window holds: the current voucher (a placeholder when none
    // is shown) and the entry arrays (every element holds an object).
    const core::cTosite& Tosite() const { return *curTosite_; }
    int ElementCount() const { return static_cast<int>(debet_.size()); }
    const core::cVienti& DebetVienti(int k) const { return *debet_.at(size_t(k)); }
    const core::cVienti& KreditVienti(int k) const { return *kredit_.at(size_t(k)); }

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
    QAction* mHaku = nullptr;
    QAction* mPeru = nullptr;
    QAction* mEnsimmaiseen = nullptr;
    QAction* mEdelliseen = nullptr;
    QAction* mSeuraavaan = nullptr;
    QAction* mViimeiseen = nullptr;
    QMenu* mRaportit = nullptr;
    QAction* mPaivakirja = nullptr;
    QAction* mPaakirja = nullptr;
    QAction* mPaakirjaKustannuspaikalle = nullptr;
    QAction* mRapYksiTili = nullptr;
    QMenu* mTositepohjat = nullptr;
    QAction* mMuokkaaTositepohjia = nullptr;
    QList<QAction*> mTositepohjaX;  // "mTositepohjaX(i)", item 0 always there

    // The voucher list: taking the focus does not pick a line by itself.
    PickList* lstTositteet = nullptr;

    QGroupBox* frameTosite = nullptr;
    QLabel* lblTositeNumero = nullptr;
    QLineEdit* tTositenumero = nullptr;
    QLabel* lblTositePvm = nullptr;
    QLineEdit* tTositepvm = nullptr;
    QLabel* lblTositeSelite = nullptr;
    QLineEdit* tTositeSelite = nullptr;

    QGroupBox* frameViennit = nullptr;
    // In it the entry rows (EntryRowControls), then:
    QScrollBar* scrlViennit = nullptr;
    QLabel* lblDebetSumma = nullptr;
    QLabel* lblKreditSumma = nullptr;
    QLabel* lblErotusTeksti = nullptr;
    QLabel* lblErotus = nullptr;
    QLabel* lblHalutunTilinSaldo = nullptr;
    QPushButton* cLisaaVienteja = nullptr;
    QFrame* Line1 = nullptr;

    QPushButton* cUusi = nullptr;
    QPushButton* cUusiTosite = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cSelaa = nullptr;
    QPushButton* cHaku = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cEnsimmainen = nullptr;  // objectName "cEnsimmäinen"
    QPushButton* cEdellinen = nullptr;
    QPushButton* cSeuraava = nullptr;
    QPushButton* cViimeinen = nullptr;
    QPushButton* cSulje = nullptr;
    std::array<QPushButton*, 5> cTositePohja{};  // 1..4; [0] unused

    // Writes what the voucher on screen holds, as leaving it does (a typed
    // account that is no list item keeps the command from running); reads
    // the book again afterwards, back on the same voucher when it is still
    // there.
    bool StorePendingEdits() override;
    void ReadBookAgain() override;

protected:
    void Load() override;
    bool QueryUnload() override;
    void Unload() override;

private:
    enum class Puoli { Debet, Kredit };
    using Viennit = std::vector<std::unique_ptr<core::cVienti>>;

    // ---- Building the window (frmnewtositteet_build.cpp)
    void buildMenus();
    void buildHeader(QWidget* parent);
    void buildRows(QWidget* parent);
    void buildButtons();
    void setTabOrder();
    void connectEvents();
    void connectRowEvents();

    // ---- The voucher and the arrays (frmnewtositteet.cpp)
    bool CheckTiliValinnat();
    // The amounts, the account and cost-centre choices and the date: the
    // check every command runs before it changes the voucher shown or
    // closes the window. An unmatched account or cost centre stops the
    // command; a date text that is no date does not: the user is told that
    // it is not stored, and the voucher keeps its date.
    bool CheckSyotteet();
    void InitEmptyViennit();
    void ShowTosite(std::unique_ptr<core::cTosite> t);
    // Reads the current voucher's entries again into the arrays.
    void reloadViennit();
    void DisplayTosite();
    void ClearTosite();
    void EnableControls(bool bEnabled);
    void setUpperBound(int u);
    void applyScrollRule(int u);
    // Writes the pending changes of the voucher and of every entry in one
    // transaction; an error reaches the caller, nothing is written and
    // nothing is let go. When the save is refused because another copy of
    // the program has removed the voucher or its entries meanwhile, or has
    // changed the financial year, the user is told, what the window held is
    // dropped unwritten, the book is shown as it now is, and false is
    // returned: the command goes no further.
    // Without withVoucher only the entries are written.
    bool writePending(bool withVoucher = true);
    // What a refused save does (see writePending); shown is the voucher
    // that was on screen. showChangedYear also takes the book's year into
    // use.
    void showChangedBook(long shown);
    void showChangedYear(long shown);
    // Makes every record the window holds a placeholder: nothing of it is
    // written afterwards.
    void dropHeld();
    // Reads the book again, back on the voucher shown when it is still there.
    void readBookAgain(long shown);
    // The entries of both arrays, debit and credit of each element in turn.
    std::vector<core::cVienti*> entryRecords() const;
    // Lets every object go (after writePending); the arrays keep their size.
    void releaseAll();
    void releaseEntries();

    // ---- The voucher list (frmnewtositteet_list.cpp)
    void FillTositeLista();
    // Appends lines read from the book, but none for a voucher that has its
    // line already.
    void appendListLines(const std::vector<TositeListanRivi>& rivit);
    // The work left after loading or rebuilding the list, a step per idle
    // turn: the arrays sized for the book, then the list's further pages.
    void idleWork();
    // Gives the arrays as many elements as the book's largest voucher needs
    // (at least kRivit), once per load.
    void sizeArraysForBook();
    // The arrays made n elements long, the new elements fresh entries of
    // the voucher shown; the rows on screen stay as they are.
    void growArrays(int n);
    // The list has been read to its end: the vouchers shown meanwhile that
    // the book did not give (see odottavat_) get their lines now.
    void listRead();
    void curTosite_NameChanged(long id, const QString& sName);
    void selectListLine(long id);

    // ---- Commands
    void Uusi();
    void Poista();
    void Selaa();
    void Haku();
    void Peru();
    enum class Suunta { Ensimmainen, Edellinen, Seuraava, Viimeinen };
    void Siirry(Suunta s);
    void ListClick();
    void LisaaVienteja();
    void Sulje();
    void TositteidenTarkistus();
    void activate();

    // ---- Templates, account views and reports (frmnewtositteet_menus.cpp)
    void connectMenuEvents();
    void TositePohjaClick(int n);
    void TositepohjaXClick(int i);
    // Leaves the voucher on screen and shows a new one made from p.
    void showFromTemplate(const ::vouchers::cTositePohja& p);
    void MuokkaaTositepohjia();
    // Opens a window of the account views by its name.
    void openView(const QString& name);
    enum class Raportti { Paivakirja, Paakirja, PaakirjaKustannuspaikalle, YksiTili };
    void RunRaportti(Raportti r);

    // ---- Entry rows (frmnewtositteet_rows.cpp)
    void FillTiliCombot();
    void FillKPCombot();
    void ClearSummat();
    dao::Currency UpdateSummat();
    bool IsTositeValmis();
    void showRows();
    Viennit& viennit(Puoli p) { return p == Puoli::Debet ? debet_ : kredit_; }
    core::cVienti& vienti(Puoli p, int position);
    QComboBox* tiliCombo(Puoli p, int i) const { return p == Puoli::Debet ? cmbDebetTili[size_t(i)] : cmbKreditTili[size_t(i)]; }
    QComboBox* kpCombo(Puoli p, int i) const { return p == Puoli::Debet ? cmbDebetKP[size_t(i)] : cmbKreditKP[size_t(i)]; }
    QLineEdit* summa(Puoli p, int i) const { return p == Puoli::Debet ? tDebetSumma[size_t(i)] : tKreditSumma[size_t(i)]; }
    void leaveTili(Puoli p, int i);
    void leaveKP(Puoli p, int i);
    void summaChanged(Puoli p, int i);
    void leaveSumma(Puoli p, int i);
    // The name of a side's amount boxes in messages.
    QString summaField(Puoli p) const;
    // Takes what every amount box of the rows holds: a text that is no
    // amount is refused (core::AcceptAmountBox), and its box and entry keep
    // the amount they had. Run before the commands use the entries.
    void AcceptSummat();
    void comboChosen(QComboBox* combo, Puoli p, int i, bool tili);
    void balanceIfChosen(QComboBox* combo);
    void balanceIfMovedAway(long before, long after);
    void startNewIfComplete(int i);

    // ---- Header fields (frmnewtositteet_header.cpp)
    void numeroChanged();
    void pvmChanged();
    void pvmKeyPress(int& keyAscii);
    void leavePvm();
    void seliteChanged();

    // ---- Running handlers
    // Runs a command or an event handler; what it raises is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmNewTositteet"), QStringLiteral("Odottamaton virhe: ")); }};
    // Runs a focus-lost handler of control; see moveFocus.
    void runLeave(QWidget* control, const std::function<void()>& f);
    // Moves the focus to w. Inside a focus-lost handler the focus is on its
    // way to another control, which then never gets it: that control's own
    // focus-lost handler is not run for it.
    void moveFocus(QWidget* w);

    // The stored sums of the watched account.
    TilinSaldo tilinSaldo_;
    // The arrays have been sized for the book since it was loaded.
    bool rivimaaraTiedossa_ = false;
    // The list's pages still to be read: the last line read, and the book's
    // generation when the list was begun.
    bool listaKesken_ = false;
    std::optional<TositeListanRivi> listaLuettu_;
    unsigned listaSukupolvi_ = 0;
    // Vouchers shown while the list was being read that had no line yet:
    // the pages to come give their lines in number order. One that they do
    // not give (renumbered below the pages read, or of another mode) gets
    // its line at the end when the list has been read.
    std::vector<long> odottavat_;
    QTimer* idle_ = nullptr;

    std::unique_ptr<core::cTosite> curTosite_;
    Viennit debet_;
    Viennit kredit_;
    bool bUpdatingList_ = false;
    QHash<long, QListWidgetItem*> lineOf_;  // toID -> its line
    QStandardItemModel* tiliModel_ = nullptr;
    QStandardItemModel* kpModel_ = nullptr;
    QPointer<QWidget> leaving_;       // the control whose focus-lost handler runs
    QPointer<QWidget> skipLeave_;     // a control that lost a focus it never got
};

}  // namespace vouchers
