// The two sorts of helpers.h: an index sort (Shell's method with the gaps
// 1, 4, 13, 40, ...) and an in-place quicksort with an explicit stack.

#include "core/ui/helpers.h"

#include "platform/dao/error.h"

#include <QDate>
#include <QDateTime>
#include <QMetaType>
#include <utility>

namespace core {

namespace {

[[noreturn]] void subscriptError() { throw dao::DaoError(9, QStringLiteral("Alaindeksi alueen ulkopuolella.")); }

enum class Kind { Empty, Integer, Real, Text };

struct Key {
    Kind kind = Kind::Empty;
    qlonglong i = 0;
    double d = 0;
    QString s;
};

// Day number of a date as the classic date type counts it (0 = 30.12.1899).
double daySerial(const QDate& date) { return static_cast<double>(date.toJulianDay() - QDate(1899, 12, 30).toJulianDay()); }

Key keyOf(const QVariant& v) {
    Key k;
    if (!v.isValid()) return k;
    switch (v.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        k.kind = Kind::Integer;
        k.i = v.toLongLong();
        return k;
    case QMetaType::Float:
    case QMetaType::Double:
        k.kind = Kind::Real;
        k.d = v.toDouble();
        return k;
    case QMetaType::QDate:
        k.kind = Kind::Real;
        k.d = daySerial(v.toDate());
        return k;
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        k.kind = Kind::Real;
        k.d = daySerial(dt.date()) + dt.time().msecsSinceStartOfDay() / 86400000.0;
        return k;
    }
    case QMetaType::QString:
    case QMetaType::QChar:
    case QMetaType::QByteArray:
        k.kind = Kind::Text;
        k.s = v.toString();
        return k;
    default:
        break;
    }
    // Another type: a number when it converts to one, else its text.
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (ok) {
        k.kind = Kind::Real;
        k.d = d;
    } else {
        k.kind = Kind::Text;
        k.s = v.toString();
    }
    return k;
}

int rank(Kind k) {
    switch (k) {
    case Kind::Empty: return 0;
    case Kind::Integer:
    case Kind::Real: return 1;
    case Kind::Text: return 2;
    }
    return 0;
}

// <0, 0, >0 as a is below, equal to or above b.
int compare(const QVariant& va, const QVariant& vb) {
    const Key a = keyOf(va);
    const Key b = keyOf(vb);
    if (rank(a.kind) != rank(b.kind)) return rank(a.kind) < rank(b.kind) ? -1 : 1;
    switch (a.kind) {
    case Kind::Empty: return 0;
    case Kind::Text: return QString::compare(a.s, b.s, Qt::CaseSensitive);
    default: break;
    }
    if (a.kind == Kind::Integer && b.kind == Kind::Integer) return a.i < b.i ? -1 : (a.i > b.i ? 1 : 0);
    const double x = a.kind == Kind::Integer ? static_cast<double>(a.i) : a.d;
    const double y = b.kind == Kind::Integer ? static_cast<double>(b.i) : b.d;
    return x < y ? -1 : (x > y ? 1 : 0);
}

}  // namespace

void ShellSortIndex(const QVariantList& values, std::vector<long>& index, std::optional<int> upper,
                    bool descending) {
    const long n = upper.value_or(static_cast<int>(values.size()));
    if (n > values.size()) subscriptError();
    // An index whose first and last entries are 0 has not been filled yet.
    if (index.empty()) {
        if (n >= 1) subscriptError();
        return;
    }
    if (index.front() == 0 && index.back() == 0) {
        for (size_t k = 0; k < index.size(); ++k) index[k] = static_cast<long>(k) + 1;
    }
    if (n < 1) return;
    if (static_cast<long>(index.size()) < n) subscriptError();
    for (long k = 0; k < n; ++k) {
        if (index[size_t(k)] < 1 || index[size_t(k)] > values.size()) subscriptError();
    }

    // Element k (1-based) of the index and the value it points to.
    auto idx = [&](long k) -> long& { return index[size_t(k - 1)]; };
    auto val = [&](long element) -> const QVariant& { return values[element - 1]; };

    long h = 0;
    do {
        h = 3 * h + 1;
    } while (h <= n);
    // Passes with h = ..., 13, 4, 1. (The loop ends after the pass with 1;
    // with nothing to sort there is no pass at all.)
    while (h > 1) {
        h /= 3;
        for (long i = h + 1; i <= n; ++i) {
            const long v = idx(i);
            long j = i;
            while ((compare(val(idx(j - h)), val(v)) > 0) != descending) {
                idx(j) = idx(j - h);
                j -= h;
                if (j <= h) break;
            }
            idx(j) = v;
        }
    }
}

void QuickSortVariants(QVariantList& values, std::optional<int> upper, bool descending) {
    qsizetype lo = 1;
    qsizetype hi = upper.value_or(static_cast<int>(values.size()));
    if (hi <= lo) return;
    if (hi > values.size()) subscriptError();

    // Element k (1-based).
    auto at = [&](qsizetype k) -> QVariant& { return values[k - 1]; };
    // "a is on the pivot's left side or equal to it" for the scans.
    auto below = [&](const QVariant& a, const QVariant& p) {
        const int c = compare(a, p);
        return descending ? c > 0 : c < 0;
    };
    auto above = [&](const QVariant& a, const QVariant& p) {
        const int c = compare(a, p);
        return descending ? c < 0 : c > 0;
    };

    // The smaller side is always sorted first, so the stack stays within
    // log2(n) entries (32 cover any array).
    std::vector<std::pair<qsizetype, qsizetype>> stack;
    stack.reserve(32);
    stack.emplace_back(lo, hi);
    for (;;) {
        if (hi <= lo) {
            std::tie(lo, hi) = stack.back();
            stack.pop_back();
            if (stack.empty()) return;  // that was the first entry: all done
            continue;
        }
        const QVariant p = at(hi);
        qsizetype i = lo - 1;
        qsizetype j = hi;
        do {
            do {
                ++i;
            } while (below(at(i), p));
            do {
                --j;
            } while (j > lo && above(at(j), p));
            std::swap(at(i), at(j));
        } while (j > i);
        // Undo the last swap and put the pivot in its place.
        QVariant t = at(j);
        at(j) = at(i);
        at(i) = at(hi);
        at(hi) = t;

        if (i - lo > hi - i) {
            stack.emplace_back(lo, i - 1);
            lo = i + 1;
        } else {
            stack.emplace_back(i + 1, hi);
            hi = i - 1;
        }
    }
}

}  // namespace core
