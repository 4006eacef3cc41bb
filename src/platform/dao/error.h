#pragma once

#include "platform/error/numberederror.h"

#include <QString>

namespace dao {

// Error numbers of the database engine. Callers recognise errors by number.
namespace err {
constexpr int Overflow = 6;
constexpr int TypeMismatch = 13;
constexpr int InvalidProcedureCall = 5;
constexpr int UpdateWithoutEdit = 3020;
constexpr int NoCurrentRecord = 3021;
constexpr int DuplicateKey = 3022;
constexpr int FileNotFound = 3024;
constexpr int DiskFull = 3026;
constexpr int ReadOnly = 3027;
constexpr int CommitWithoutBegin = 3034;
constexpr int DiskError = 3043;
constexpr int InvalidPath = 3044;
constexpr int FileInUse = 3045;
constexpr int CannotOpenDatabase = 3049;
constexpr int NoPermission = 3051;
constexpr int TooFewParameters = 3061;
constexpr int SyntaxErrorInExpression = 3075;
constexpr int InputTableNotFound = 3078;
constexpr int TableExists = 3010;
constexpr int ObjectExists = 3012;
constexpr int SyntaxErrorInFrom = 3131;
constexpr int SyntaxErrorInInsert = 3134;
constexpr int SyntaxErrorInUpdate = 3144;
constexpr int FieldTooSmall = 3163;
constexpr int RecordDeleted = 3167;
constexpr int FieldDefinedTwice = 3191;
constexpr int InvalidOperation = 3219;
constexpr int NotSupported = 3251;
constexpr int Locked = 3260;
constexpr int ItemNotFound = 3265;
constexpr int PropertyNotFound = 3270;
constexpr int RequiredNull = 3314;
constexpr int UnrecognizedFormat = 3343;
constexpr int ObjectInvalid = 3420;
constexpr int DataTypeMismatch = 3464;
constexpr int DatabaseExists = 3204;
constexpr int FieldNotUpdatable = 3164;
constexpr int CannotExecuteSelect = 3065;
constexpr int PropertyExists = 3367;
constexpr int InvalidArgument = 3001;
constexpr int RecordTooLarge = 3047;
constexpr int ExpressionTooComplex = 3071;
// Of this engine: long work over a book stopped at its bound, or cancelled
// by the user; a book whose layout is not the program's; a compaction that
// failed while the book itself can be read whole; a file beside a book that
// the engine would play or delete; a value the program never writes.
constexpr int TooMuchWork = 3961;
constexpr int WorkCancelled = 3962;
constexpr int ForeignLayout = 3963;
constexpr int CompactionFailed = 3964;
constexpr int ForeignSideFile = 3965;
// Another file has taken the book's name since the book was opened (another
// program restored a copy over it): the book open is no longer the book.
constexpr int BookReplaced = 3966;
// A key, a number, an amount or a date in a book that the program never
// writes: refused where it is read, never taken for another value.
constexpr int ValueNotWritten = 3967;
}  // namespace err

// An error of the database engine: its number and a text for the user.
class DaoError : public errors::NumberedError {
public:
    DaoError(int number, QString description) : NumberedError(number, std::move(description)) {}
};

// The engine's standard text for a number, with %1 filled by the argument.
QString errorText(int number, const QString& arg = QString());
[[noreturn]] void raise(int number, const QString& arg = QString());

}  // namespace dao
