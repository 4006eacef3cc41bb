#pragma once

// frmAsetukset: the settings window. The user edits here the program-wide
// settings of the ini file and the settings of the open association's book.
// The window edits copies: nothing typed reaches a shared global or a store
// until the save runs; only the choice of another book acts at once.
//
// The save checks every field first and writes nothing when one fails; it
// then writes the book's Settings table (in one transaction) and the ini
// file, and only when both have been written does it take the new values
// into the shared globals, hand the margins to the report control, refresh
// the main window and close. A failure leaves the stores, the globals and
// the window as they were, and the window open.
//
// The change of financial year runs the year-change window registered by
// the maintenance subsystem under the name "frmKaudenVaihto"
// (shell::RegisterOpener); the opener shows it modally.

#include "core/globals.h"
#include "core/settings.h"
#include "platform/dao/date.h"
#include "platform/ui/forms.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;

namespace dao {
class Database;
}

namespace shell {

// The fonts both the screen and the printer offer, in sorted order (by
// character code). Each list is sorted with an index sort; then the shorter
// list is walked in order and each name is looked up in the longer one,
// every search going on from the place of the previous match. A name that
// occurs twice in the shorter list is therefore listed twice.
QStringList CommonFontNames(const QStringList& screen, const QStringList& printer);

// A margin text as millimetres: digits with at most one decimal comma or
// point ("12,5"; also "12," as it is being typed), 0 to 682 (682 mm times 48
// is the largest margin the report control takes). Nothing for any other
// text.
std::optional<double> MarginValue(const QString& text);
// The message for a margin text that MarginValue refuses: the range for a
// number too large, otherwise that only numbers are taken (translated).
QString MarginMessage(const QString& text);
// A margin of the report control (1/48 mm) as the margin fields show it:
// millimetres with the fewest decimals (at most two) that give the same
// margin again, in the user's notation ("12,5" for 600).
QString MarginText(int units);

class frmAsetukset : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kMaxMarginMm = 682;

    frmAsetukset();
    ~frmAsetukset() override;

    // Copies the settings the window shows (readShownSettings) into the
    // controls.
    void ShowSettings();
    // Rebuilds the account lists of cmbLaskettavaTili and cmbVoittoTaseella
    // from the book named in tTietokanta (DatabasePath when it is empty).
    void FillAccountLists();
    // The report fonts into combo, sorted, with pBar1 showing the progress.
    void FillFontList(QComboBox* combo);
    void FillLanguageList();
    // Selects the item whose text is text exactly (case-sensitive); when no
    // item is, the last item. An empty list is left alone.
    static void SelectComboByText(const QString& text, QComboBox* combo);

    // The save; true when everything was written and the window closed.
    bool Tallenna();
    // Another book chosen with the file dialog, taken into use at once.
    void ValitseTietokanta();
    // The year-change window, then the save.
    void VaihdaTilikausi();
    // Cancel: the current settings shown again.
    void Peru();
    // Close: asks to save when something has changed.
    void Sulje();

    // A field has changed since the window was filled or last saved.
    bool changed() const { return changed_; }

    // ---- controls
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPeru = nullptr;
    QAction* mVali = nullptr;
    QAction* mSulje = nullptr;
    QAction* mTietoja = nullptr;

    QGroupBox* Frame7 = nullptr;
    QLineEdit* tTietokanta = nullptr;
    QPushButton* cTietokantavalita = nullptr;
    QLineEdit* tVarmistus = nullptr;
    QComboBox* cmbKieli = nullptr;

    QGroupBox* Frame5 = nullptr;
    QLineEdit* tEmail = nullptr;
    QLineEdit* tSMTP = nullptr;

    QGroupBox* Frame4 = nullptr;
    QComboBox* cmbFonts = nullptr;
    QComboBox* cmbFonttiKoko = nullptr;

    QGroupBox* Frame8 = nullptr;
    QLineEdit* tSeuranNimi = nullptr;

    QGroupBox* Frame3 = nullptr;
    QCheckBox* chkKustannuspaikat = nullptr;
    QCheckBox* chkAutomaattisestiUusiTosite = nullptr;
    QCheckBox* chkVanhatTositteet = nullptr;
    QComboBox* cmbVoittoTaseella = nullptr;
    QComboBox* cmbLaskettavaTili = nullptr;
    QCheckBox* chkVaakatulostus = nullptr;
    QCheckBox* chkMoniseuratuki = nullptr;
    QCheckBox* chkVanhatMallit = nullptr;

    QGroupBox* Frame2 = nullptr;
    QLineEdit* tTilikausiAlku = nullptr;
    QLineEdit* tTilikausiLoppu = nullptr;
    QLineEdit* tEdTilikausiAlku = nullptr;
    QLineEdit* tEdTilikausiLoppu = nullptr;
    QPushButton* cVaihdaTilikausi = nullptr;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* tMargYla = nullptr;
    QLineEdit* tMargAla = nullptr;
    QLineEdit* tMargVas = nullptr;
    QLineEdit* tMargOik = nullptr;

    QPushButton* cTallenna = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cSulje = nullptr;
    QProgressBar* pBar1 = nullptr;

    // After another book was taken into use elsewhere (a restore), the
    // window names that book, so that its save does not name the earlier.
    void ReadBookAgain() override;

protected:
    void Load() override;
    void Unload() override;

private:
    // The controls, frame by frame, then the window's layout and tab order.
    void buildControls();
    void buildProgramFrame();
    void buildInternetFrame();
    void buildAssociationFrame();
    void buildFontFrame();
    void buildChoicesFrame();
    void buildYearFrame();
    void buildMarginFrame();
    void arrangeControls();
    void chainTabOrder();
    void buildMenus();
    void connectEvents();

    // Field checks as a field is left or changed.
    void checkStartDate(QLineEdit* field, QLineEdit* endField, const QString& message);
    void checkEndDate(QLineEdit* field, const QString& message);
    void checkMargin(QLineEdit* field);
    void checkBackupFolder();

    // The save's parts (settingssave.cpp).
    struct Entered;
    std::optional<Entered> enteredValues();
    // False when the book cannot be opened (the user has been told); then
    // missing tells whether it is not there at all (or no book is named).
    bool openBookForSave(const QString& path, dao::Database& db, bool* missing = nullptr);
    // The book's upgrade; saving, it is the first step of a save, and its
    // failure is told as the save's.
    bool upgrade(dao::Database& db, bool quiet = false, bool saving = false);
    bool takeBookIntoUse(const QString& path, bool quiet);
    void loadUnreadSettings();
    bool writeStores(dao::Database& db, const Entered& v);
    // The program-wide keys alone, when the book is not there.
    bool writeProgramStores(const Entered& v);
    void refreshMainWindow();
    bool storeNewYearDates();
    // The four year fields from the program's years; those shown are what
    // a save expects to find in the book.
    void showYear();

    // The settings the window shows: the program's own, with the book's and
    // the ini file's as they stand when the window reads them (another copy
    // of the program may have saved since this one loaded them), and the
    // year the program works in. The stores as read are kept for the save
    // to compare (shownStores_). A book that is there and cannot be read
    // leaves unreadBook_ telling why; without a book at all the program's
    // own settings are shown.
    void readShownSettings();
    // The ini file's settings into those shown.
    void readIniShown();
    // readShownSettings and ShowSettings, then: the controls as shown are
    // remembered, and a book that could not be read is told and its save
    // not offered.
    void showStores();
    // After a save refused because another copy saved meanwhile: the
    // stores are shown as they now stand, but for the fields the user has
    // changed here, which keep what was typed.
    void showStoresAgain();
    // The controls whose values the save stores, and their values as texts.
    std::vector<QWidget*> storedControls() const;
    std::vector<QString> controlValues() const;

    bool changed_ = false;
    core::Settings shown_;
    // The stores as the window read them, and the book they were read for.
    std::optional<core::ShownStores> shownStores_;
    QString shownStoresPath_;
    // Why the book's settings could not be read; empty when they were.
    QString unreadBook_;
    // The stored controls' values as the stores were last shown.
    std::vector<QString> shownValues_;
    // The current year as the fields last showed it from the program.
    dao::Date shownAlku_;
    dao::Date shownLoppu_;
};

}  // namespace shell
