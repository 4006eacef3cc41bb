#pragma once

// What the accounts window asks of the book besides the account record:
// whether an account may be deleted, and the removal of the new accounts
// that were left without a name. Both work on the book of the shared
// connection; database errors reach the caller.

namespace accounts {

// True when the account has an entry with an amount other than 0 in the
// current or the previous financial year.
bool HasEntriesWithAmounts(long tlID);

// Deletes the unfinished new accounts: those without a name (none, or
// blanks only) at the head of the number-then-name order. The account keep
// (the one on screen, being edited) and any account with an entry in
// either year stay.
void RemoveUnfinishedAccounts(long keep);

}  // namespace accounts
