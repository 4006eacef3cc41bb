#pragma once

// Shared pieces of the statement computation: the ten amount columns, the
// ledger table families the sums are read from, account lists, the signed
// sum of a family's entries, progress steps and the all-or-nothing wrapper.

#include "platform/dao/currency.h"
#include "platform/dao/database.h"
#include "platform/dao/date.h"

#include <QString>
#include <QStringList>
#include <array>
#include <chrono>
#include <vector>

class QProgressBar;

namespace statements::detail {

// The ten amounts of an income-statement figure, always in this order.
enum Sarake {
    ToteutunutKuluva = 0,
    ToteutunutEdellinen,
    ToteutunutKuluvaAlusta,
    ToteutunutEdellinenAlusta,
    BudjetoituKuluva,
    BudjetoituEdellinen,
    BudjetoituTuleva,
    BudjetoituKuluvaAlusta,
    BudjetoituEdellinenAlusta,
    BudjetoituTulevaAlusta,
    Sarakkeita
};

// The tula column of each amount ("tula" + name).
extern const std::array<const char*, Sarakkeita> kSarakeNimet;

struct Summat {
    std::array<dao::Currency, Sarakkeita> a{};
    dao::Currency& operator[](int i) { return a[size_t(i)]; }
    dao::Currency operator[](int i) const { return a[size_t(i)]; }
    Summat& operator+=(const Summat& o) {
        for (int i = 0; i < Sarakkeita; ++i) a[size_t(i)] += o.a[size_t(i)];
        return *this;
    }
    Summat& operator-=(const Summat& o) {
        for (int i = 0; i < Sarakkeita; ++i) a[size_t(i)] -= o.a[size_t(i)];
        return *this;
    }
    bool allZero() const {
        for (const dao::Currency& c : a)
            if (!c.isZero()) return false;
        return true;
    }
};

// One pair of voucher and entry tables and the names of its fields.
struct Family {
    const char* entries;    // vi
    const char* vouchers;   // [to]
    const char* account;    // vitlID
    const char* entryVoucher; // vitoID, the entry's voucher key
    const char* date;       // toPvm
    const char* costCentre; // vikpID
    const char* type;       // viTyyppi
    const char* amount;     // viArvo
    const char* opening;    // toAvaustosite
    const char* voucherKey;        // toID
    const char* voucherAutomatic;  // toAutomaatti
    const char* entryAutomatic;    // viAutomaatti
};
extern const Family kLedger;         // vi / to
extern const Family kLedgerPrev;     // viE / toE
extern const Family kBudget;         // bi / bo
extern const Family kBudgetPrev;     // biE / boE
extern const Family kBudgetNext;     // biTu / boT

// Account keys of a stored list ("12,15,"): the whole numbers above 0 among
// its pieces, at most 256 pieces read. A blank or missing list has none.
std::vector<long> AccountKeys(const QString& tilit);

// The signed sum of the entries of the accounts in a family whose vouchers
// are dated from..to (both inclusive), of one cost centre when kpID is not
// 0. Side "D" sums debit - credit, any other side credit - debit; an entry
// is debit only when its type is "D" (in either case, as core::OnDebet
// reads it). No accounts: 0; an account listed twice counts once. The
// entries come from the statement run's store (vientisummat.h).
dao::Currency SummaaSaldopuolelle(dao::Database& db, const Family& f, const std::vector<long>& accounts,
                                  const dao::Date& from, const dao::Date& to, long kpID, const QString& side);

// The accounts of a model's rows, each once.
std::vector<long> MallinTilit(dao::Database& db, long maID);

// The same over the opening vouchers (every date), or over every voucher of
// the period that is not an opening voucher.
dao::Currency SummaaAvaus(dao::Database& db, const std::vector<long>& accounts, const QString& side);
dao::Currency SummaaMuutos(dao::Database& db, const std::vector<long>& accounts, const dao::Date& from,
                           const dao::Date& to, const QString& side);

// The ten amounts of an account list for the period start..end, as the
// income-statement columns take them: the period, the same period a year
// earlier and later, and each from the start of its financial year (cost
// centre kpID, 0 = all).
Summat LaskeSummat(dao::Database& db, const std::vector<long>& accounts, const dao::Date& start,
                   const dao::Date& end, long kpID, const QString& side);

// One step of the caller's bar: up by one while below its maximum - 1.
void Askel(QProgressBar* bar);
// Paints the bar as it stands, when kNaytonVali has gone since a bar was
// last painted so; the rows between go by without a repaint.
void Nayta(QProgressBar* bar);
inline constexpr std::chrono::milliseconds kNaytonVali{40};

// (a - b) / b * 100 as a nullable percentage: Null when b is 0.
dao::Variant Prosentti(dao::Currency a, dao::Currency b);
// a / b * 100; Null when b is 0.
dao::Variant Osuus(dao::Currency a, dao::Currency b);

// A text cut to a column width.
QString Cut(const QString& s, int width);

// The "?, ?, ..." of n bound values.
QString Placeholders(int n);

}  // namespace statements::detail
