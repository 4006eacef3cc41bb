#pragma once

// The text form of ini lines: escaping of keys and values, and splitting a
// line into its parts. Kept apart from cIniFile so that the rules can be
// tested on their own.

#include <QString>
#include <QStringView>

namespace ini::codec {

enum class LineKind { Blank, Comment, Section, KeyValue, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QString name;   // section name, or the key (decoded)
    QString value;  // the value (decoded)
    qsizetype separator = -1;  // position of the "=" of a key line
};

ParsedLine parseLine(QStringView line);

QString encodeKey(const QString& key);
QString encodeValue(const QString& value);

// Decodes one part (key or value) and trims the blanks that are not escaped.
QString decodePart(QStringView raw);

}  // namespace ini::codec
