#pragma once

#include "platform/error/numberederror.h"

#include <QString>

namespace report {

// Error numbers of the report engine. Callers recognise errors by number;
// the text is meant for the user and names what went wrong.
namespace err {
constexpr int DefinitionNotFound = 20501;  // the definition file is missing or unreadable
constexpr int DefinitionSyntax = 20502;    // the definition file does not parse (file and line named)
constexpr int FormulaSyntax = 20503;       // a formula does not parse (formula named)
constexpr int FormulaError = 20504;        // a formula fails while it is evaluated (formula named)
constexpr int UnknownField = 20505;        // a field of a table the definition does not read
constexpr int DatabaseNotFound = 20506;    // the data file does not exist
constexpr int DatabaseError = 20507;       // the database could not be opened or read
constexpr int InvalidIndex = 20508;        // a slot number outside the property's range
constexpr int InvalidProperty = 20509;     // a malformed property value (sort field, section font, ...)
constexpr int NoPrinter = 20510;           // no printer to print on
constexpr int OutputError = 20511;         // the output (printer or file) could not be written
constexpr int NoDestinationFile = 20512;   // output to a file without a file name
constexpr int Busy = 20513;                // a run asked for while the control's run goes on
}  // namespace err

// An error of a report run: its number and a text for the user.
class ReportError : public errors::NumberedError {
public:
    ReportError(int number, QString description) : NumberedError(number, std::move(description)) {}
};

}  // namespace report
