#pragma once

// What the ledger record classes share: the ordered collection in which
// they hand out records, the one place where an error of a save on release
// is reported, and the tie of a record to the book it came from. The state
// of one record and the steps every record class takes with it are in
// recordcore.h.

#include "platform/dao/database.h"

#include <QSet>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace core {

// ---------------------------------------------------------------- collections

// Records in the order a query returned them, each under a key made of the
// table prefix and the decimal key ("vi" followed by viID). The list owns
// its records; a window takes them out with take() to keep them.
template <class T>
class RecordList {
public:
    struct Item {
        QString key;
        std::unique_ptr<T> record;
    };

    qsizetype count() const { return qsizetype(items_.size()); }
    bool isEmpty() const { return items_.empty(); }

    // By position, 0 for the first record.
    T& at(qsizetype i) const { return *items_.at(size_t(i)).record; }
    const QString& keyAt(qsizetype i) const { return items_.at(size_t(i)).key; }
    // By key; nullptr when no record has it.
    T* find(const QString& key) const {
        if (!keys_.contains(key)) return nullptr;
        for (const Item& it : items_)
            if (it.key == key) return it.record.get();
        return nullptr;
    }
    bool contains(const QString& key) const { return keys_.contains(key); }

    // Removes the record at position i from the list and hands it over. A
    // list taken from its front, record after record, costs no more than
    // its length: a voucher of many entries is handed out at once.
    std::unique_ptr<T> take(qsizetype i) {
        std::unique_ptr<T> r = std::move(items_.at(size_t(i)).record);
        keys_.remove(items_.at(size_t(i)).key);
        items_.erase(items_.begin() + i);
        return r;
    }

    // A key that is already in the list is refused (DuplicateKey).
    void add(QString key, std::unique_ptr<T> record) {
        if (contains(key)) dao::raise(dao::err::DuplicateKey, key);
        keys_.insert(key);
        items_.push_back(Item{std::move(key), std::move(record)});
    }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::deque<Item> items_;
    QSet<QString> keys_;
};

// ---------------------------------------------------------------- save on release

// A record that is let go while it holds unsaved changes saves itself from
// its destructor. A destructor cannot pass an error on, so such an error is
// handed to this one sink instead of being lost. The default handler writes
// it to the standard error stream; the application installs one that shows
// it to the user, tests one that records it.
//   what: the record, in words ("Tosite 12 (toID 34)").
using ReleaseErrorHandler = std::function<void(const QString& what, const dao::DaoError& error)>;

// Installs a handler and returns the previous one; an empty handler brings
// the default back.
ReleaseErrorHandler setReleaseErrorHandler(ReleaseErrorHandler handler);
// Hands an error to the installed handler. Never throws: an error of the
// handler itself goes to the standard error stream.
void reportReleaseError(const QString& what, const dao::DaoError& error) noexcept;

// ---------------------------------------------------------------- the record's book

// Error number of a write refused because the record belongs to another book.
constexpr int kOtherBookError = dao::err::InvalidOperation;

namespace detail {

// The book (database file) that a record was read from or first saved
// into. After the shared connection has moved to another book, the record
// refuses to write, so pending edits never land in another association's
// books. The same holds after the book was closed or rewritten under the
// open windows (its generation moved on, see DBC): what the record read
// before may be out of date. A record that has touched no book yet is tied
// to none.
class BookTie {
public:
    bool isBound() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }
    void clear() { path_.clear(); }
    void copyFrom(const BookTie& other) {
        path_ = other.path_;
        generation_ = other.generation_;
    }
    // Ties the record to the book the shared connection has open now.
    void bindCurrent();
    void bindCurrentIfUnbound() {
        if (!isBound()) bindCurrent();
    }

    // The open database of the shared connection.
    static dao::Database open();
    // The same, for an operation on the record's own row: raises
    // kOtherBookError when the record belongs to another book (what()
    // describes the record for the error text).
    template <class Describe>
    dao::Database openOwn(Describe what) const {
        dao::Database db = open();
        if (isBound() && !belongsToOpenBook()) refuse(what());
        return db;
    }

private:
    bool belongsToOpenBook() const;
    [[noreturn]] void refuse(const QString& what) const;
    QString path_;
    unsigned generation_ = 0;
};

// The first width characters of s (a surrogate pair is never split).
QString cutText(const QString& s, qsizetype width);

// Runs save() for a record that is let go; an error goes to the sink with
// the record described by what().
void saveOnDestruction(const std::function<QString()>& what, const std::function<void()>& save) noexcept;

}  // namespace detail
}  // namespace core
