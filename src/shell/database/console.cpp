#include "shell/database/console.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/nz.h"
#include "core/ui/commanderrors.h"
#include "core/ui/helpers.h"
#include "core/ui/translator.h"
#include "platform/dao/error.h"
#include "platform/sys/mousecursor.h"
#include "platform/ui/dialogs.h"

#include <cmath>
#include <functional>
#include <limits>

namespace shell {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The command word of POISTA VIENNIT, which the account number follows.
const QString kDeleteEntries = QStringLiteral("POISTA VIENNIT");
// The longest command that is answered as unknown without looking at its
// beginning.
constexpr qsizetype kShortCommand = 15;

void deleteModelsOfType(int type) {
    dao::Database db = core::DBCon().AvaaDB();
    dao::InTransaction(db, [&] {
        dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT * FROM ma WHERE maTyyppi = ?"),
                                             dao::RecordsetType::Dynaset, {dao::Variant(type)});
        while (!rs.isEOF()) {
            const long id = core::NzLong(rs.value(QStringLiteral("maID")), 0);
            db.Execute(QStringLiteral("DELETE FROM mr WHERE mrmaID = ?"), {dao::Variant(id)});
            rs.Delete();
            rs.MoveNext();
        }
        rs.Close();
    });
}

// A command's procedures, then its message. The command is one
// transaction of the book: the procedures' own connections to the book share
// the open one and its transaction, so a command is done whole or not at
// all, also when the program is stopped in its middle.
void run(const std::function<void()>& procedures, const QString& message) {
    {
        sys::cMouseCursor cursor;
        cursor.SetCursor(nullptr, sys::kPointerHourglass);
        dao::Database db = core::DBCon().AvaaDB();
        dao::InTransaction(db, procedures);
    }
    core::ShowInfo(message);
}

}  // namespace

// ---------------------------------------------------------------- procedures

void ExecuteOnDatabaseFile(const QString& sql, const QString& path, const dao::Params& params) {
    dao::Database db = dao::DBEngine::OpenDatabase(path);
    try {
        db.Execute(sql, params);
    } catch (...) {
        // The file is closed, and the failure goes on to the command.
        db.Close();
        throw;
    }
    db.Close();
}

void DeleteCurrentVouchers() {
    ExecuteOnDatabaseFile(QStringLiteral("DELETE FROM to"), core::DatabasePath);
    ExecuteOnDatabaseFile(QStringLiteral("DELETE FROM vi"), core::DatabasePath);
}

void DeletePreviousVouchers() {
    ExecuteOnDatabaseFile(QStringLiteral("DELETE FROM toE"), core::DatabasePath);
    ExecuteOnDatabaseFile(QStringLiteral("DELETE FROM viE"), core::DatabasePath);
}

void DeleteIncomeStatementModels() { deleteModelsOfType(1); }

void DeleteBalanceSheetModels() { deleteModelsOfType(2); }

void DeleteAccounts() { ExecuteOnDatabaseFile(QStringLiteral("DELETE FROM tl"), core::DatabasePath); }

void DeleteBudgets() {
    for (const char* table : {"bu", "bo", "boE", "boT", "bi", "biE", "biTu"})
        ExecuteOnDatabaseFile(QStringLiteral("DELETE FROM ") + QLatin1String(table), core::DatabasePath);
}

void DeleteCostCentres() { ExecuteOnDatabaseFile(QStringLiteral("DELETE FROM kp"), core::DatabasePath); }

void CopyVoucherTextsToEntries() {
    dao::Database db = core::DBCon().AvaaDB();
    dao::InTransaction(db, [&] {
        dao::Recordset rs =
            db.OpenRecordset(QStringLiteral("SELECT toID, toSelite FROM to"), dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            // A voucher without a text gives its entries the empty text.
            const QString text = core::NzString(rs.value(QStringLiteral("toSelite")), QString());
            const long id = core::NzLong(rs.value(QStringLiteral("toID")), 0);
            db.Execute(QStringLiteral("UPDATE vi SET viSelite = ? WHERE vitoID = ?"),
                       {dao::Variant(text), dao::Variant(id)});
        }
        rs.Close();
    });
}

std::optional<double> AccountNumberValue(const QString& text) {
    // Read as every typed number is ("1 910" is 1910; a comma or a point is
    // the decimal mark, never a digit-group separator). Account numbers are
    // whole: "1,910" names none.
    const std::optional<dao::Currency> v = dao::Currency::parse(text);
    if (!v || v->raw() % dao::Currency::kScale != 0) return std::nullopt;
    return v->toDouble();
}

void DeleteEntriesOfAccount(const QString& accountNumber) {
    const std::optional<double> number = AccountNumberValue(accountNumber);
    if (!number)
        throw dao::DaoError(dao::err::SyntaxErrorInExpression,
                            QStringLiteral("Syntax error in query expression 'tlNumero = %1'.").arg(accountNumber));
    dao::Params params;
    params.emplace_back(static_cast<long long>(*number));

    dao::Database db = core::DBCon().AvaaDB();
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT tlID FROM tl WHERE tlNumero = ?"),
                                         dao::RecordsetType::Snapshot, params);
    const long id = rs.isEOF() ? 0 : core::NzLong(rs.value(QStringLiteral("tlID")), 0);
    rs.Close();
    if (id <= 0) return;
    dao::InTransaction(db, [&] {
        db.Execute(QStringLiteral("DELETE FROM vi WHERE vitlID = ?"), {dao::Variant(id)});
        db.Execute(QStringLiteral("DELETE FROM viE WHERE viEtlID = ?"), {dao::Variant(id)});
    });
}

// ---------------------------------------------------------------- the console

void RunMaintenanceConsole() {
    const QString typed = ui::Dialogs().inputBox(
        core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Anna Kolvio komento")), core::AppTitle);
    if (typed.isEmpty()) return;
    RunConsoleCommand(typed);
}

void RunConsoleCommand(const QString& typed) {
    const QString command = typed.toUpper();
    try {
        if (command == QLatin1String("POISTA KAIKKI")) {
            run(
                [] {
                    DeleteCurrentVouchers();
                    DeletePreviousVouchers();
                    DeleteIncomeStatementModels();
                    DeleteBalanceSheetModels();
                    DeleteAccounts();
                    DeleteBudgets();
                    DeleteCostCentres();
                },
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Kaikki poistettu.")));
        } else if (command == QLatin1String("POISTA NYKYISET TOSITTEET")) {
            run(DeleteCurrentVouchers,
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Nykyiset tositteet poistettu.")));
        } else if (command == QLatin1String("POISTA EDELLISET TOSITTEET")) {
            run(DeletePreviousVouchers,
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Edelliset tositteet poistettu.")));
        } else if (command == QLatin1String("POISTA TULOSLASKELMAMALLIT")) {
            run(DeleteIncomeStatementModels,
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tuloslaskelmamallit poistettu.")));
        } else if (command == QLatin1String("POISTA TASEMALLIT")) {
            run(DeleteBalanceSheetModels,
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tasemallit poistettu.")));
        } else if (command == QLatin1String("POISTA TILIT")) {
            run(DeleteAccounts, core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Tilit poistettu.")));
        } else if (command == QLatin1String("POISTA KUSTANNUSPAIKAT")) {
            run(DeleteCostCentres,
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Kustannuspaikat poistettu.")));
        } else if (command == QLatin1String("POISTA BUDJETIT")) {
            run(DeleteBudgets, core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Budjetit poistettu.")));
        } else if (command == QLatin1String("TARKISTA SELITTEET")) {
            run(CopyVoucherTextsToEntries,
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Selitetekstit tarkistettu.")));
        } else if (command.size() <= kShortCommand) {
            core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                              QStringLiteral("Komentoa ei löydy, tarkista komento.\r\n\r\n"
                                                             "Antamasi komento: ")) +
                           command);
        } else if (command.startsWith(kDeleteEntries)) {
            // The number text keeps the blank after the command word.
            const QString number = command.mid(kDeleteEntries.size());
            if (!AccountNumberValue(number)) {
                core::ShowInfo(core::TranslateStr(QStringLiteral("frmMain"),
                                                  QStringLiteral("Tilinumero ei ole numero, vientejä ei "
                                                                 "poistettu:")) +
                               number);
                return;
            }
            run([&] { DeleteEntriesOfAccount(number); },
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Viennit tililtä ")) + number +
                    core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral(" poistettu.")));
        } else {
            core::ShowInfo(
                core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Komentoa ei löydy, tarkista komento.")) +
                kCrLf + kCrLf + core::TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Antamasi komento: ")) +
                command);
        }
    } catch (...) {
        // Whatever a command raised ends it (its transaction undone), and
        // the user is told.
        core::ShowError(core::TranslateStr(QStringLiteral("frmMain"),
                                           QStringLiteral("Komennon suoritus keskeytyi virheeseen: ")),
                        std::current_exception(), ui::Icon::Information);
    }
}

}  // namespace shell
