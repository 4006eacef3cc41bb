#pragma once

// The entries a statement run sums, read once. The steps of a run (the
// turnover, the profit bookings, the income statement, the balance sheet
// and the income statements of its formula rows) ask for the same sums of
// the same accounts many times over: the store reads each entry of an
// account once per entry family, keeps it with its voucher's date, its cost
// centre and its marks, and answers every later sum from memory. A family's
// vouchers are read once, in one pass over their table, rather than looked
// up again for each of their entries.
//
// What it holds is the book as it stood when it was read. Each step of a
// run opens a Vaihe: the step's first look compares the book with what the
// store read (dao::ContentStamp) and starts afresh when anything changed
// it; at the step's end the store takes the book as it stands, for the
// step's own writes keep it true: the work tables tula and tase are no
// entries, the budget vouchers it rebuilds are forgotten and the automatic
// bookings it deletes and writes are forgotten and read again. Another
// program's commit is not the step's own: every read within a step, and
// the step's end, look for one and forget what was read before it.
// Outside a step every sum compares the book first. TyhjennaTulaJaTase starts a run:
// the store forgets everything, so that each run reads the book anew.

#include "statements/detail.h"

#include <QString>
#include <functional>
#include <limits>
#include <map>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace statements::detail {

// The sums an account's entries give: those whose type is exactly "D" or
// "d" (core::OnDebet), and the others.
struct Puolet {
    dao::Currency debet;
    dao::Currency muut;
};

// Which vouchers a sum takes.
enum class Tositteet {
    Kaikki,    // every voucher dated from..to
    Avaus,     // the opening vouchers, whatever their date
    EiAvaus,   // the vouchers dated from..to that are no opening vouchers
};

class Vientisummat {
public:
    // The store, checked against the book when no step is open.
    static Vientisummat& varasto(dao::Database& db);

    // The per-account sums of a family's entries: of the vouchers the
    // choice takes, of cost centre kpID unless it is 0. Every account the
    // store has read is there; accounts is read first when it has not been.
    const std::unordered_map<long, Puolet>& summat(dao::Database& db, const Family& f, const std::vector<long>& accounts,
                                                   Tositteet valinta, const dao::Date& from, const dao::Date& to,
                                                   long kpID);

    // Accounts read along with the first ones asked of a family (a model's
    // accounts), so that a family is read in one query.
    void ennakoi(const std::vector<long>& accounts);

    // Forgets everything it has read.
    void unohda();
    // Forgets a family's entries (their tables were rewritten).
    void unohda(const Family& f);
    // Forgets the automatic bookings (every family's were deleted).
    void unohdaAutomaattiset();
    // Takes in the entries of the given vouchers of a family (written by
    // the caller) for the accounts it has read.
    void lueTositteet(dao::Database& db, const Family& f, const std::vector<long>& vouchers);

    // For tests: called at the end of a run's outermost step, after the
    // step's reads and before the store takes the book's stamp - the moment
    // where another program's commit may land whatever the step did.
    static void setVaiheenLoppu(std::function<void()> hook);

    // A step of a statement run (see above); nests.
    class Vaihe {
    public:
        explicit Vaihe(dao::Database& db);
        ~Vaihe();
        Vaihe(const Vaihe&) = delete;
        Vaihe& operator=(const Vaihe&) = delete;

    private:
        dao::Database db_;
        int poikkeukset_;
    };

private:
    // One entry as the sums need it.
    struct Rivi {
        long tili;
        qint64 paiva;       // the voucher's date (dao::Date::seconds); kEiPaivaa: none
        qint64 kp;          // kEiKp: none
        bool avaus;         // of an opening voucher
        bool automaatti;    // an automatic booking (the entry's or its voucher's flag)
        bool debet;
        dao::Currency arvo;
    };
    // What an entry takes from its voucher.
    struct Tosite {
        long id;
        qint64 paiva;       // as Rivi::paiva
        bool avaus;
        bool automaatti;
    };
    // The entries of one family.
    struct Perhe {
        std::vector<Rivi> rivit;
        std::unordered_set<long> luetut;
        // The family's vouchers in the order of their keys, once read
        // (tositteetLuettu).
        std::vector<Tosite> tositteet;
        // Where each key is in tositteet (-1: nowhere), counted from the
        // first key, while the keys are dense enough for it; else empty.
        std::vector<int> paikat;
        bool tositteetLuettu = false;
        // The sums asked so far: choice, dates and cost centre.
        std::map<std::tuple<int, qint64, qint64, long>, std::unordered_map<long, Puolet>> valmiit;
    };
    static constexpr qint64 kEiKp = std::numeric_limits<qint64>::min();
    static constexpr qint64 kEiPaivaa = std::numeric_limits<qint64>::min();

    Perhe& perhe(const Family& f) { return perheet_[&f]; }
    static void lue(dao::Database& db, const Family& f, Perhe& p, const QString& where, const dao::Params& params);
    // The voucher of that key, or null.
    static const Tosite* tosite(const Perhe& p, long id);
    static void indeksoi(Perhe& p);
    static void lueTositetiedot(dao::Database& db, const Family& f, Perhe& p, const QString& where,
                                const dao::Params& params);
    void tarkista(dao::Database& db);
    bool vieraitaMuutoksia(const dao::ContentStamp& now) const;
    void ennenLukua(dao::Database& db);
    void leimaa(dao::Database& db);

    dao::ContentStamp leima_;
    std::unordered_map<const Family*, Perhe> perheet_;
    std::vector<long> ennakko_;
    int vaiheet_ = 0;
};

}  // namespace statements::detail
