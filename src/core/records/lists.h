#pragma once

// The chart of accounts and the cost centres as the windows list them: one
// line a row (key, number and name) for the choosers, trees and lists of
// every subsystem, in an order the caller names. Each list reads the book
// of the shared connection unless it is given another; database errors
// reach the caller.

#include "platform/dao/database.h"

#include <QString>
#include <optional>
#include <vector>

namespace core {

// One account (a row of `tl`) or one cost centre (a row of `kp`) in a list.
struct ListLine {
    long id = 0;                 // tlID or kpID
    std::optional<long> number;  // tlNumero or kpNumero; none when the row holds none
    QString name;                // tlNimi or kpNimi; a row without one as an empty text

    // How a line without a number shows it.
    enum class MissingNumber {
        AsZero,  // "0 name", as a number box shows an empty number
        Blank,   // " name": the name alone after the blank
    };
    // "number name", the text of the line in every list.
    QString text(MissingNumber missing = MissingNumber::AsZero) const;
};

// The orders of the account list. Accounts may share a number (the older
// accounts window stores what is typed), so each order says where such
// accounts stand.
enum class AccountOrder {
    ByNumber,          // choosers, found by number; those of one number as the book holds them
    ByNumberThenName,  // account trees: an unnamed new account stands first among its number
    ByNumberThenId,    // balances: accounts of one number in the order made, the same every time
};

std::vector<ListLine> AccountList(AccountOrder order);
std::vector<ListLine> AccountList(dao::Database& db, AccountOrder order);

// The record source of a data control that walks the whole account rows
// (every column) in the order.
QString AccountListSource(AccountOrder order);

// Every cost centre, by number: the cost-centre choosers and the
// cost-centre window's list. Cost centres of one number come as the book
// holds them.
std::vector<ListLine> CostCentreList();

}  // namespace core
