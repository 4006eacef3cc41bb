#include "platform/ini/inicodec.h"

#include <vector>

namespace ini::codec {

namespace {

// The character a backslash escape stands for, or a null QChar when "\c" is
// not an escape (the backslash is then an ordinary character).
QChar unescape(QChar c) {
    switch (c.unicode()) {
    case '\\': return QLatin1Char('\\');
    case 'n': return QLatin1Char('\n');
    case 'r': return QLatin1Char('\r');
    case 't': return QLatin1Char('\t');
    case '=':
    case ';':
    case '#':
    case '[':
    case ']': return c;
    default: return c.isSpace() ? c : QChar();
    }
}

// Position of the first "=" that is not escaped, or -1.
qsizetype findSeparator(QStringView line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('\\') && i + 1 < line.size() && !unescape(line[i + 1]).isNull()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('=')) return i;
    }
    return -1;
}

QString encode(const QString& text, bool isKey) {
    QString out;
    out.reserve(text.size() + 8);
    // The blanks at either end must be escaped, or reading would trim them.
    qsizetype lead = 0;
    while (lead < text.size() && text[lead].isSpace()) ++lead;
    qsizetype trail = text.size();
    while (trail > lead && text[trail - 1].isSpace()) --trail;

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); continue;
        case '\n': out += QLatin1String("\\n"); continue;
        case '\r': out += QLatin1String("\\r"); continue;
        case '\t': out += QLatin1String("\\t"); continue;
        default: break;
        }
        if (isKey && c == QLatin1Char('=')) {
            out += QLatin1String("\\=");
        } else if (isKey && i == 0 &&
                   (c == QLatin1Char('[') || c == QLatin1Char(';') || c == QLatin1Char('#'))) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c.isSpace() && (i < lead || i >= trail)) {
            out += QLatin1Char('\\');
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

QString decodePart(QStringView raw) {
    struct Ch {
        QChar c;
        bool escaped;
    };
    std::vector<Ch> chars;
    chars.reserve(static_cast<size_t>(raw.size()));
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('\\') && i + 1 < raw.size()) {
            const QChar u = unescape(raw[i + 1]);
            if (!u.isNull()) {
                chars.push_back({u, true});
                ++i;
                continue;
            }
        }
        chars.push_back({c, false});
    }
    size_t begin = 0;
    size_t end = chars.size();
    while (begin < end && !chars[begin].escaped && chars[begin].c.isSpace()) ++begin;
    while (end > begin && !chars[end - 1].escaped && chars[end - 1].c.isSpace()) --end;
    QString out;
    out.reserve(static_cast<qsizetype>(end - begin));
    for (size_t i = begin; i < end; ++i) out += chars[i].c;
    return out;
}

ParsedLine parseLine(QStringView line) {
    ParsedLine p;
    const QStringView t = line.trimmed();
    if (t.isEmpty()) {
        p.kind = LineKind::Blank;
        return p;
    }
    if (t.front() == QLatin1Char(';') || t.front() == QLatin1Char('#')) {
        p.kind = LineKind::Comment;
        return p;
    }
    if (t.front() == QLatin1Char('[')) {
        const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
        if (close > 0) {
            p.kind = LineKind::Section;
            p.name = t.mid(1, close - 1).trimmed().toString();
            return p;
        }
        p.kind = LineKind::Other;
        return p;
    }
    const qsizetype sep = findSeparator(line);
    if (sep < 0) {
        p.kind = LineKind::Other;
        return p;
    }
    p.kind = LineKind::KeyValue;
    p.separator = sep;
    p.name = decodePart(line.left(sep));
    p.value = decodePart(line.mid(sep + 1));
    if (p.name.isEmpty()) p.kind = LineKind::Other;  // "=value" names nothing
    return p;
}

QString encodeKey(const QString& key) { return encode(key, true); }
QString encodeValue(const QString& value) { return encode(value, false); }

}  // namespace ini::codec
