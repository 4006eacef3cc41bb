#include "budget/budjettirivit.h"

#include "core/nz.h"
#include "core/ui/helpers.h"
#include "statement_models/mallipuu.h"

#include <QStringList>

namespace budget {

namespace {

// The pieces of an account list taken apart as the model keeps it: the
// list trimmed, cut at the commas, at most 256 pieces.
QStringList accountPieces(const QString& mrTilit) {
    QString text = mrTilit;
    if (text.trimmed().isEmpty()) return {};
    QStringList parts(256);
    const std::optional<int> last = core::SplitToArray(text, parts, QStringLiteral(","));
    if (!last) return {};
    return parts.mid(0, *last + 1);
}

class Walk {
public:
    Walk(dao::Database& db, std::vector<BudjettiRivi>& out) : db_(db), out_(out) {}

    void topRows(long maID) {
        dao::Recordset rs = db_.OpenRecordset(
            QStringLiteral("SELECT * FROM mr WHERE mrmaID = ? AND mrBelongsToGroup = 0 AND mrIsVoitto = False "
                           "ORDER BY mrGroupOrder, mrID"),
            dao::RecordsetType::Snapshot, {dao::Variant(maID)});
        rows(rs);
        rs.Close();
    }

private:
    // The rows of a record set: each a heading, then what is under it.
    void rows(dao::Recordset& rs) {
        for (; !rs.isEOF(); rs.MoveNext()) {
            const long mrID = core::NzLong(rs.value(QStringLiteral("mrID")), 0);
            out_.push_back({indent() + core::NzString(rs.value(QStringLiteral("mrTeksti")), QString()), 0});
            if (OnAlirivit(db_, mrID))
                LisaaRyhma(mrID);
            else
                LisaaTilit(core::NzString(rs.value(QStringLiteral("mrTilit")), QString()));
        }
    }

    void LisaaRyhma(long mrID) {
        statement_models::TarkistaSyvyys(db_, mrID, level_ + 1);
        ++level_;
        dao::Recordset rs = db_.OpenRecordset(
            QStringLiteral("SELECT * FROM mr WHERE mrBelongsToGroup = ? AND mrIsVoitto = False ORDER BY mrGroupOrder, mrID"),
            dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
        rows(rs);
        rs.Close();
        --level_;
    }

    void LisaaTilit(const QString& mrTilit) {
        const QStringList pieces = accountPieces(mrTilit);
        if (pieces.isEmpty()) return;
        ++level_;
        for (const QString& piece : pieces) {
            // The list is the model's own text: a piece that is no key names
            // no account.
            bool ok = false;
            const long tlID = piece.trimmed().toLong(&ok);
            if (!ok) continue;
            dao::Recordset tl = db_.OpenRecordset(QStringLiteral("SELECT tlID, tlNumero, tlNimi FROM tl WHERE tlID = ?"),
                                                  dao::RecordsetType::Snapshot, {dao::Variant(tlID)});
            if (!tl.isEOF()) {
                out_.push_back({indent() + QString::number(core::NzLong(tl.value(QStringLiteral("tlNumero")), 0)) +
                                    QLatin1Char(' ') + core::NzString(tl.value(QStringLiteral("tlNimi")), QString()),
                                tlID});
            }
            tl.Close();
        }
        --level_;
    }

    QString indent() const { return QString(level_, QLatin1Char(' ')); }

    dao::Database& db_;
    std::vector<BudjettiRivi>& out_;
    int level_ = 0;
};

}  // namespace

std::vector<BudjettiRivi> MallinRivit(dao::Database& db, long maID) {
    std::vector<BudjettiRivi> out;
    statement_models::TarkistaMallipuu(db, maID);
    Walk(db, out).topRows(maID);
    return out;
}

long LaskeRivimaara(dao::Database& db, long maID) { return long(MallinRivit(db, maID).size()); }

bool OnAlirivit(dao::Database& db, long mrID) {
    dao::Recordset rs = db.OpenRecordset(QStringLiteral("SELECT mrID FROM mr WHERE mrBelongsToGroup = ?"),
                                         dao::RecordsetType::Snapshot, {dao::Variant(mrID)});
    const bool any = !rs.isEOF();
    rs.Close();
    return any;
}

}  // namespace budget
