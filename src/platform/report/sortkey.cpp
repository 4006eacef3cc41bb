#include "platform/report/sortkey.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <algorithm>
#include <numeric>
#include <optional>

namespace report::detail {

namespace {

using Kind = Value::Kind;

// The rank of each text in Finnish order, without regard to case: texts
// the order holds equal share a rank. Each different text is keyed once.
std::vector<std::int64_t> textRanks(const std::vector<Value>& values) {
    QHash<QString, int> distinct;
    std::vector<QString> texts;
    std::vector<int> textOf(values.size(), -1);
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i].kind() != Kind::Text) continue;
        const QString t = values[i].toString();
        auto it = distinct.constFind(t);
        if (it == distinct.constEnd()) {
            it = distinct.insert(t, int(texts.size()));
            texts.push_back(t);
        }
        textOf[i] = *it;
    }
    QCollator collator{QLocale(QLocale::Finnish, QLocale::Finland)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString& t : texts) keys.push_back(collator.sortKey(t));
    std::vector<int> byOrder(texts.size());
    std::iota(byOrder.begin(), byOrder.end(), 0);
    std::sort(byOrder.begin(), byOrder.end(), [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });
    std::vector<std::int64_t> rankOf(texts.size());
    std::int64_t rank = 0;
    for (size_t r = 0; r < byOrder.size(); ++r) {
        if (r > 0 && keys[size_t(byOrder[r - 1])].compare(keys[size_t(byOrder[r])]) != 0) ++rank;
        rankOf[size_t(byOrder[r])] = rank;
    }
    std::vector<std::int64_t> out(values.size(), -1);
    for (size_t i = 0; i < values.size(); ++i)
        if (textOf[i] >= 0) out[i] = rankOf[size_t(textOf[i])];
    return out;
}

}  // namespace

SortKey SortKey::of(std::vector<Value> values, bool descending) {
    SortKey key;
    key.descending_ = descending;
    // The one kind of the values that are not Null, if they have one.
    std::optional<Kind> kind;
    bool mixed = false;
    for (const Value& v : values) {
        if (v.isNull()) continue;
        if (!kind) kind = v.kind();
        else if (*kind != v.kind()) mixed = true;
    }
    const bool asNumber = !mixed && kind &&
                          (*kind == Kind::Int || *kind == Kind::Currency || *kind == Kind::Date || *kind == Kind::Text);
    if (!asNumber) {
        key.textRanks_ = textRanks(values);
        key.values_ = std::move(values);
        return key;
    }
    const std::vector<std::int64_t> ranks = *kind == Kind::Text ? textRanks(values) : std::vector<std::int64_t>();
    key.numbers_.resize(values.size());
    key.null_.resize(values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        const Value& v = values[i];
        key.null_[i] = v.isNull();
        if (v.isNull()) continue;
        switch (*kind) {
        case Kind::Int: key.numbers_[i] = v.toLong(); break;
        case Kind::Currency: key.numbers_[i] = v.toCurrency().raw(); break;
        case Kind::Date: key.numbers_[i] = v.toDate().seconds(); break;
        default: key.numbers_[i] = ranks[i]; break;
        }
    }
    return key;
}

int SortKey::general(size_t a, size_t b) const {
    if (textRanks_[a] >= 0 && textRanks_[b] >= 0)
        return textRanks_[a] < textRanks_[b] ? -1 : (textRanks_[b] < textRanks_[a] ? 1 : 0);
    const int c = val::sortCompare(values_[a], values_[b]);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace report::detail
