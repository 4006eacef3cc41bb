#pragma once

// frmBudjetti: the budget window. The user chooses an income-statement model
// and one of three financial years (previous, current, next) and types the
// budget of each account month by month into a grid of 16 lines and five
// months at a time, with the year total of each line, the total of each
// month over all lines and the grand total kept on screen.
//
// Each line of the model (frmbudjetti's lines come from budjettirivit.h) is
// one budget record (cBudjetti): a heading line holds a blank placeholder,
// an account line the account's row of the chosen year. An account that the
// model lists on several lines shares one record, so the lines stay in step
// and the row is written once. Typed amounts go into the records at once;
// they are written by the save command, and whenever the lines are let go
// (another model or year, the delete command, closing). The window never
// asks about unsaved amounts; the undo command takes them back until then.
//
// Every write of the lines is one transaction: all of them or none.

#include "budget/budjetti.h"
#include "core/ui/commanderrors.h"
#include "core/ui/translator.h"
#include "platform/ui/forms.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace budget {

class frmBudjetti : public ui::Form {
    Q_OBJECT
public:
    static constexpr int kVisibleLines = 16;
    static constexpr int kColumns = 5;
    static constexpr int kMonthScrollMax = 7;

    frmBudjetti();
    ~frmBudjetti() override;

    // ---- Controls (objectName = the member's name; arrays "name(i)").
    QMenuBar* menuBar = nullptr;
    QMenu* mTiedosto = nullptr;
    QAction* mEdellinen = nullptr;
    QAction* mNykyinen = nullptr;
    QAction* mTuleva = nullptr;
    QAction* mTulosta = nullptr;
    QAction* mSulje = nullptr;
    QMenu* mTietue = nullptr;
    QAction* mTallenna = nullptr;
    QAction* mPoista = nullptr;
    QAction* mPeru = nullptr;
    QMenu* mToiminto = nullptr;
    QAction* mKopioiNykyinenTulevaksi = nullptr;

    QLabel* lblMalli = nullptr;      // "Tuloslaskelmamalli:"
    QComboBox* cmbTuloslaskelmat = nullptr;
    QLabel* lblTilikausi = nullptr;  // "Tilikausi:"
    QLabel* lblJakso = nullptr;
    QPushButton* cEdellinen = nullptr;
    QPushButton* cNykyinen = nullptr;
    QPushButton* cTuleva = nullptr;
    QPushButton* cTallenna = nullptr;
    QPushButton* cPeru = nullptr;
    QPushButton* cPoista = nullptr;
    QPushButton* cTulosta = nullptr;
    QPushButton* cSulje = nullptr;

    QLabel* lblOtsake = nullptr;
    std::array<QLabel*, kColumns> lblKuukausi{};
    std::array<QLabel*, 2> lblYhteensa{};
    std::array<QLineEdit*, kVisibleLines> tOtsakkeet{};
    // tArvo[k - 1][i]: the control array tArvo<k>, element i.
    std::array<std::array<QLineEdit*, kVisibleLines>, kColumns> tArvo{};
    std::array<QLineEdit*, kVisibleLines> tYhteensaRivi{};
    std::array<QLineEdit*, kColumns> tYhteensaSarake{};
    QLineEdit* tGrossTotal = nullptr;
    QScrollBar* scrlRivi = nullptr;
    QScrollBar* scrlKuukausi = nullptr;

    QGroupBox* frameLasketaan = nullptr;
    QLabel* lblLasketaan = nullptr;
    QProgressBar* pBar = nullptr;

    // ---- State, as the commands and the tests read it.
    // The year shown: kEdellinen, kNykyinen or kTuleva.
    long Jakso() const { return jakso_; }
    // Lines built for the model (without the filler lines); the line arrays
    // run from 0 to UpperBound() = max(15, LineCount() - 1).
    int LineCount() const { return lineCount_; }
    int UpperBound() const { return int(lines_.size()) - 1; }
    const QString& LineText(int r) const { return texts_.at(size_t(r)); }
    cBudjetti& LineObject(int r) const { return *lines_.at(size_t(r)); }
    const QString& MonthName(int index) const { return monthNames_.at(size_t(index)); }
    // Amount cell of column k (1..5) on visible line i (0..15).
    QLineEdit* Cell(int k, int i) const { return tArvo.at(size_t(k - 1)).at(size_t(i)); }

    // ---- Commands (the buttons and menu items run these).
    void NaytaEdellinen();  // cEdellinen
    void NaytaNykyinen();   // cNykyinen
    void NaytaTuleva();     // cTuleva
    void Tallenna();        // cTallenna: writes the changed lines
    void Peru();            // cPeru: the amounts back as read or last saved
    void Poista();          // cPoista: deletes the budget of the year shown
    void KopioiNykyinenTulevaksi();  // the current year's budget as the next one's
    void Tulosta();         // cTulosta: the budget report
    void Sulje();           // cSulje

    // ---- Window procedures.
    // Builds the lines of model maID for year Kausi, after writing and
    // letting go of the lines shown; the row scroll bar goes to the top.
    // False when nothing was built and the lines shown stay as they were
    // (the user was told): the model has no lines, or the lines shown could
    // not be written. keepRow: the row scroll bar stays where it is when the
    // lines are those of the model shown.
    bool LataaBudjetti(long maID, long Kausi, bool keepRow = false);
    // Fills the 16 visible lines and every total.
    void NaytaRivit();

    // Writes the changed lines, as the save command does; the lines stay.
    bool StorePendingEdits() override;
    // Lets the lines go unwritten (they were written before the book
    // changed) and builds them again from the book as it now is, for the
    // model and year shown.
    void ReadBookAgain() override;

protected:
    void Load() override;
    void Unload() override;

private:
    void buildMenus();
    void buildTop();
    void buildGrid();
    void connectEvents();

    void LataaKuukausienNimet();
    void LataaMallit();
    void TeeTyhjatRivit();
    void ValitseJakso();
    void NaytaJakso();
    void naytaKausi(long Kausi, bool keepRow = false);
    void mallinVaihto();
    void PoistaKaytosta();
    void SalliSulkeminen();
    void NaytaKuukaudet();
    void MuotoileRivi(int i, bool tilirivi);
    void LaskeSummat(int column, int i);
    void soluMuuttui(int k, int i);
    // The cell's text taken as its amount, or refused (core::AcceptAmountBox)
    // with the cell named by its month and line; false when refused.
    bool hyvaksySolu(int k, int i);
    // The same for the cell that has the focus, before a command or a scroll.
    void hyvaksyKohdistettuSolu();
    void nuoli(int k, int i, int keyCode);
    void siirry(QLineEdit* bounce, QLineEdit* target);
    long valittuMalli() const;

    // Writes the changed lines in one transaction, and with release lets
    // their records go (the caller then empties the lines). On a failure
    // nothing is written, the records are as they were, the error is shown
    // and the result is false.
    bool writeLines(bool release);
    // Lets the lines go without writing anything.
    void discardLines();
    // The placeholders in place of every line: an empty grid.
    void emptyLines();
    void showWriteError(const QString& description);
    // The report's failure: the progress back to 0 and the message.
    void failedReport(const QString& description);
    // Runs a command step; an error that escapes it is shown to the user.
    const core::CommandRunner run{
        [] { return core::TranslateStr(QStringLiteral("frmBudjetti"), QStringLiteral("Odottamaton virhe: ")); }};

    QList<QWidget*> controls_;
    std::array<QString, 12> monthNames_;
    std::array<std::shared_ptr<cBudjetti>, kVisibleLines> placeholders_;
    std::vector<QString> texts_;
    std::vector<std::shared_ptr<cBudjetti>> lines_;
    // Each record of the lines once (an account on two lines is one record).
    std::vector<cBudjetti*> records_;
    int lineCount_ = 0;
    long shownModel_ = 0;  // the model the lines were built for
    long jakso_ = kNykyinen;
    bool bNaytetaan = false;
};

// Registers the window with the main window's commands ("frmBudjetti",
// opened not modal).
void RegisterBudgetWindows();

}  // namespace budget
