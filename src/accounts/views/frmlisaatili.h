#pragma once

// frmLisaaTili: adds one account from inside the statement-model editor.
// It asks for the number, the name and the description, refuses a number
// that is not a four-digit number from 1000 to 9999 or that is in use, and
// an empty name, then stores the account and hides itself with the new
// account in its public results. The caller shows it modally, reads the
// results and unloads it:
//
//   auto& d = ui::Forms::get<accounts::frmLisaaTili>();
//   ui::Forms::show(d, true);
//   if (!d.Cancelled) { ... d.NewtlID, d.NewtlNumero, d.NewtlNimi ... }
//   ui::Forms::unload(d);
//
// Cancelled is False only after an account has been stored: the cancel
// button, Esc, the close box and a dialog that could not open (no database
// set, or it cannot be opened; the dialog has told the user) all leave it
// True. The dialog reads and writes the book through a connection of its own.

#include "platform/dao/database.h"
#include "reportctl/dialogform.h"

#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace accounts {

class frmLisaaTili : public reports::DialogForm {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 5200;
    static constexpr int kHeightTwips = 3000;

    frmLisaaTili();
    ~frmLisaaTili() override;

    // The results.
    bool Cancelled = false;
    long NewtlID = 0;
    QString NewtlNumero;  // as typed
    QString NewtlNimi;
    QString NewtlKuvaus;  // one blank when left empty

    // An account number as typed: a whole number from 1000 to 9999 written
    // with four digits; nothing for any other text.
    static std::optional<long> ReadTilinumero(const QString& text);

    // The add command (cLisaa).
    void Lisaa();
    // The cancel command (cPeruuta).
    void Peruuta();

    QLabel* Label1 = nullptr;
    QLineEdit* tTilinumero = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* tNimi = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* tKuvaus = nullptr;
    QPushButton* cLisaa = nullptr;
    QPushButton* cPeruuta = nullptr;

protected:
    void Load() override;
    void Unload() override;

private:
    void limitKuvaus();

    dao::Database db_;
    bool added_ = false;
};

}  // namespace accounts
