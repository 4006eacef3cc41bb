#pragma once

// An error that the program recognises by its number: the database engine
// raises dao::DaoError, the report control report::ReportError, the files
// fso::Error, all of them this. Each carries its number and a text meant
// for the user (description()); what() gives "number: text" in UTF-8, for
// logs. Callers catch the class they expect and look at the number; code
// that only tells the user what went wrong catches this.

#include <QString>
#include <exception>
#include <string>

namespace errors {

class NumberedError : public std::exception {
public:
    NumberedError(int number, QString description)
        : number_(number),
          description_(std::move(description)),
          what_((QString::number(number_) + QStringLiteral(": ") + description_).toStdString()) {}

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    std::string what_;
};

}  // namespace errors
