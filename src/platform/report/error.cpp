#include "platform/report/error.h"

namespace report {

ReportError::ReportError(int number, QString description)
    : number_(number), description_(std::move(description)) {
    utf8_ = QStringLiteral("%1: %2").arg(number_).arg(description_).toStdString();
}

}  // namespace report
