// Side codes in lower case. An older book may hold "d" and "k" where the
// program writes "D" and "K"; the database selects such rows as it selects
// the capitals, and every sum, view, check and statement must count them
// the same way. The demo year is computed through all of them once with
// capitals and once with half of its codes in lower case, and the two
// results must be the same line for line.

#include "../statements/statementfixture.h"
#include "accounts/views/accountviews.h"
#include "accounts/views/frmpaivasaldot.h"
#include "accounts/views/frmtiliensaldot.h"
#include "accounts/views/frmtilitarkastelu.h"
#include "core/records/tili.h"
#include "ledger_reports/ledgerprep.h"
#include "shell/openers.h"
#include "statement_models/modelchecks.h"
#include "vouchers/tositetarkistus.h"
#include "vouchers/window/frmnewtositteet.h"
#include "vouchers/window/voucherwindows.h"

#include <QComboBox>
#include <QLabel>

namespace {

using dao::Currency;
using dao::Date;

class SideCodes : public kvtest::StatementTest {
protected:
    static QString money(const Currency& c) { return c.toInvariantString(); }

    // Every row of a query, its columns joined by blanks; the work tables'
    // own keys (which grow with every run) are left out.
    QStringList table(const QString& tag, const QString& sql, const QString& skip = QString()) {
        QStringList out;
        dao::Database d = db();
        dao::Recordset rs = d.OpenRecordset(sql, dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) {
            QStringList parts{tag};
            for (const QString& name : rs.fieldNames()) {
                if (name.compare(skip, Qt::CaseInsensitive) == 0) continue;
                const dao::Variant v = rs.value(name);
                parts << (v.isNull() ? QStringLiteral("<null>")
                          : v.kind() == dao::Variant::Kind::Currency ? money(v.toCurrency())
                                                                     : v.toString());
            }
            out << parts.join(QLatin1Char(' '));
        }
        rs.Close();
        return out;
    }

    std::vector<long> accounts() {
        std::vector<long> out;
        dao::Database d = db();
        dao::Recordset rs = d.OpenRecordset(QStringLiteral("SELECT tlID FROM tl ORDER BY tlID"), dao::RecordsetType::Snapshot);
        for (; !rs.isEOF(); rs.MoveNext()) out.push_back(core::NzLong(rs.value(0)));
        return out;
    }

    // Rewrites every other entry's code in lower case, in the current and
    // the previous year, and every model row's balance side.
    void lowerHalfOfTheCodes() {
        dao::Database d = db();
        dao::InTransaction(d, [&] {
            for (const char* t : {"vi", "viE"}) {
                const QString p = QString::fromLatin1(t);
                std::vector<std::pair<long, QString>> rows;
                dao::Recordset rs = d.OpenRecordset(QStringLiteral("SELECT %1ID, %1Tyyppi FROM %1").arg(p),
                                                    dao::RecordsetType::Snapshot);
                for (; !rs.isEOF(); rs.MoveNext())
                    rows.emplace_back(core::NzLong(rs.value(0)), core::NzString(rs.value(1)));
                rs.Close();
                for (const auto& [id, code] : rows)
                    if (id % 2 == 0 && !code.isEmpty())
                        d.Execute(QStringLiteral("UPDATE %1 SET %1Tyyppi = ? WHERE %1ID = ?").arg(p),
                                  {dao::Variant(code.toLower()), dao::Variant(id)});
            }
            d.Execute(QStringLiteral("UPDATE mr SET mrSaldoPuoli = 'd' WHERE mrSaldoPuoli = 'D'"));
            d.Execute(QStringLiteral("UPDATE mr SET mrSaldoPuoli = 'k' WHERE mrSaldoPuoli = 'K'"));
        });
    }

    // The exact codes of a table's side column, with their counts.
    QMap<QString, int> codes(const QString& table, const QString& column) {
        QMap<QString, int> out;
        for (const QString& line : this->table(QString(), QStringLiteral("SELECT %1 FROM %2").arg(column, table)))
            ++out[line.trimmed()];
        return out;
    }

    // Everything that reads a side code, as text lines.
    QStringList everything() {
        QStringList out;
        dao::Database d = db();
        // The work vouchers of an earlier run go first, so that both runs
        // start from the same book.
        ledger::PoistaApuTositteet(d);
        statements::PoistaAutomaattikirjaukset(d);
        const Date alku = core::TilikausiAlku, loppu = core::TilikausiLoppu;
        const Date maalis = Date::fromYmd(2026, 3, 1), toukokuu = Date::fromYmd(2026, 5, 31);

        // The voucher checker and the model checks.
        for (const auto& f : vouchers::cTositeTarkistus().TarkistaTositteet())
            out << QStringLiteral("check %1 %2").arg(f.Numero).arg(f.VirheTeksti);
        for (const auto& f : statement_models::TarkistaMallit(1, 2))
            out << QStringLiteral("model %1 %2").arg(f.mrID).arg(f.VirheTeksti);

        // The opening balances of the accounts window.
        for (long id : accounts()) {
            core::cTili tili;
            if (!tili.Read(id)) continue;
            const core::cAlkusaldot s = tili.Alkusaldot();
            out << QStringLiteral("opening %1 %2 %3 %4 %5")
                       .arg(id)
                       .arg(money(s.AlkusaldoDebet()), money(s.AlkusaldoKredit()), money(s.EdAlkusaldoDebet()),
                            money(s.EdAlkusaldoKredit()));
        }

        // The three account views, every account of the two chosen ones.
        accounts::ShowTilienSaldot();
        out << table(QStringLiteral("balances"), QStringLiteral("SELECT * FROM tlSaldot ORDER BY tlsID"),
                     QStringLiteral("tlsID"));
        accounts::ShowTilitarkastelu();
        auto& entries = ui::Forms::get<accounts::frmTilitarkastelu>();
        for (int line = 0; line < entries.cmbTilit->count(); ++line) {
            entries.cmbTilit->setCurrentIndex(line);
            entries.Paivita();
            for (int i = 0; i < entries.arraySize(); ++i)
                out << QStringLiteral("entries %1 %2 %3 %4 %5")
                           .arg(line)
                           .arg(entries.NumeroAt(i))
                           .arg(money(entries.DebetAt(i)), money(entries.KreditAt(i)), money(entries.ErotusAt(i)));
        }
        accounts::ShowPaivaSaldot();
        auto& daily = ui::Forms::get<accounts::frmPaivaSaldot>();
        for (int line = 0; line < daily.cmbTilit->count(); ++line) {
            daily.cmbTilit->setCurrentIndex(line);
            daily.Paivita();
            for (int i = 0; daily.hasDays() && i < daily.slotCount(); ++i)
                out << QStringLiteral("daily %1 %2 %3 %4 %5")
                           .arg(line)
                           .arg(daily.PaivaAt(i).toIso(), money(daily.DebetAt(i)), money(daily.KreditAt(i)),
                                money(daily.SaldoAt(i)));
        }

        // The voucher window's balance of the watched account, for each account.
        // Opened, it runs the checker, which finds the voucher that does not balance.
        dialogs.expectMessage(QStringLiteral("Tositteissa puutteita, haluatko avata tositteiden tarkistusikkunan?"),
                              ui::Answer::No);
        auto& w = vouchers::OpenVoucherWindow(shell::VoucherWindowMode{});
        settle();
        for (long id : accounts()) {
            core::LaskettavaTili = id;
            w.ShowHalutunTilinSaldo();
            out << QStringLiteral("watched %1 %2").arg(id).arg(w.lblHalutunTilinSaldo->text());
        }
        ui::Forms::destroyAll();

        // The ledger preparation in each mode, and the journal's sums.
        struct Run {
            Date start, end;
            bool avaus, paatos;
            long kp;
        };
        for (const Run& r : {Run{alku, loppu, false, false, 0}, Run{maalis, toukokuu, false, false, 0},
                             Run{maalis, toukokuu, false, false, 3}, Run{alku, loppu, true, false, 0},
                             Run{alku, loppu, false, true, 0}}) {
            ledger::ValmisteleTilit(d, r.start, r.end, true, r.avaus, r.paatos, r.kp);
            out << table(QStringLiteral("ledger"),
                         QStringLiteral("SELECT tlID, tlAlkusaldo, tlLoppusaldo, tlPrint FROM tl ORDER BY tlID"));
            for (const char* side : {"D", "K"}) {
                long n = 0;
                Currency sum;
                ledger::LaskeViennitTyypille(d, QString::fromLatin1(side), n, sum, r.start, r.end, r.avaus, r.paatos);
                out << QStringLiteral("journal %1 %2 %3").arg(QLatin1String(side)).arg(n).arg(money(sum));
            }
        }

        // The statements: the income statement with its profit bookings, and
        // the balance sheet, for the year and for March to May.
        for (const auto& [start, end] : {std::pair{alku, loppu}, std::pair{maalis, toukokuu}}) {
            statements::TyhjennaTulaJaTase(d);
            statements::RakennaBudjettitositteet();
            statements::LaskeLiikevaihto(1, start, end, true, nullptr);
            statements::TeeAutomaattikirjaukset(1, start, end, nullptr, false);
            for (int c = 0; c < 10; ++c) out << QStringLiteral("profit %1 %2").arg(c).arg(money(statements::VoittoSumma(c)));
            statements::LaskeTuloslaskelma(1, start, end, nullptr);
            out << table(QStringLiteral("tula"), QStringLiteral("SELECT * FROM tula ORDER BY tulaID"), QStringLiteral("tulaID"));
            statements::LaskeTase(2, start, end, nullptr);
            out << table(QStringLiteral("tase"), QStringLiteral("SELECT * FROM tase ORDER BY taseID"), QStringLiteral("taseID"));
        }
        return out;
    }
};

TEST_F(SideCodes, LowerCaseCodesCountEverywhereAsTheirCapitals) {
    makeDemo();
    // A voucher that does not balance, for the checker to find, and an
    // income row on the debit side, for the model checks to find.
    voucher("2.6.2026", "19 D 100; 43 K 90");
    exec(QStringLiteral("UPDATE mr SET mrSaldoPuoli = 'D' WHERE mrID = (SELECT MIN(mrID) FROM mr WHERE mrmaID = 1 "
                        "AND mrTilit > '' AND mrIsVoitto = False)"));

    const QStringList capitals = everything();
    // The capitals' run found what it should, and real amounts.
    EXPECT_EQ(capitals.filter(QRegularExpression(QStringLiteral("^check "))).size(), 1) << capitals.join('\n').toStdString();
    EXPECT_EQ(capitals.filter(QRegularExpression(QStringLiteral("^model \\d+ Tuloslaskelmassa on valittuna saldopuoleksi debet"))).size(), 1);
    EXPECT_GT(capitals.filter(QRegularExpression(QStringLiteral("^daily "))).size(), 100);
    EXPECT_NE(capitals.filter(QRegularExpression(QStringLiteral("^profit 0 "))), QStringList({"profit 0 0"}));

    lowerHalfOfTheCodes();
    const QMap<QString, int> vi = codes(QStringLiteral("vi"), QStringLiteral("viTyyppi"));
    ASSERT_GT(vi.value(QStringLiteral("d")), 100);
    ASSERT_GT(vi.value(QStringLiteral("k")), 100);
    ASSERT_GT(vi.value(QStringLiteral("D")), 100);
    ASSERT_GT(codes(QStringLiteral("viE"), QStringLiteral("viETyyppi")).value(QStringLiteral("k")), 10);

    const QStringList mixed = everything();
    EXPECT_EQ(mixed.size(), capitals.size());
    // Where they differ: the lines of each run that the other lacks, counted
    // by the part that wrote them.
    QMap<QString, int> left = [&] {
        QMap<QString, int> m;
        for (const QString& l : capitals) ++m[l];
        for (const QString& l : mixed) --m[l];
        return m;
    }();
    QMap<QString, int> parts;
    QStringList examples;
    for (auto it = left.cbegin(); it != left.cend(); ++it) {
        if (it.value() == 0) continue;
        parts[it.key().section(QLatin1Char(' '), 0, 0)] += std::abs(it.value());
        if (examples.size() < 12) examples << (it.value() > 0 ? "capitals only: " : "mixed only:    ") + it.key();
    }
    QStringList summary;
    for (auto it = parts.cbegin(); it != parts.cend(); ++it) summary << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    EXPECT_TRUE(parts.isEmpty()) << "lines differ by part: " << summary.join(", ").toStdString() << "\n"
                                 << examples.join('\n').toStdString();
}

}  // namespace
