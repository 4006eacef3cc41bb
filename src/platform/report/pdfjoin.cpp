#include "platform/report/pdfjoin.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <vector>

namespace report::pdf {

namespace {

struct Object {
    int number = 0;
    QByteArray head;  // the dictionary or value, from "N 0 obj" up to its stream
    QByteArray tail;  // "stream ... endstream" and "endobj", kept byte for byte
};

struct Part {
    std::map<int, Object> objects;
    int size = 0;  // the trailer's /Size: objects are numbered below it
    int root = 0, info = 0, pages = 0, pageCount = 0;
};

// The whole number after key in text ("/Count 12"), or -1.
int numberAfter(const QByteArray& text, const char* key) {
    const int at = int(text.indexOf(key));
    if (at < 0) return -1;
    int i = at + int(qstrlen(key));
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r')) ++i;
    int n = 0, digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 9; ++i, ++digits) n = n * 10 + (text[i] - '0');
    return digits > 0 ? n : -1;
}

// The object a reference after key names ("/Pages 3 0 R"), or -1.
int referenceAfter(const QByteArray& text, const char* key) {
    static const QRegularExpression ref(QStringLiteral("^\\s*(\\d{1,9}) 0 R"));
    const int at = int(text.indexOf(key));
    if (at < 0) return -1;
    const auto m = ref.match(QString::fromLatin1(text.mid(at + int(qstrlen(key)), 32)));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::optional<Part> readPart(const QByteArray& d) {
    Part p;
    const int startxref = int(d.lastIndexOf("startxref"));
    if (startxref < 0) return std::nullopt;
    const int xref = numberAfter(d.mid(startxref), "startxref");
    if (xref <= 0 || xref >= startxref || d.mid(xref, 5) != "xref\n") return std::nullopt;
    // "xref\n0 N\n" and N entries of 20 bytes.
    int i = xref + 5;
    const int nl = int(d.indexOf('\n', i));
    if (nl < 0) return std::nullopt;
    const QList<QByteArray> range = d.mid(i, nl - i).trimmed().split(' ');
    if (range.size() != 2 || range[0] != "0") return std::nullopt;
    bool ok = false;
    const int count = range[1].toInt(&ok);
    if (!ok || count < 2) return std::nullopt;
    i = nl + 1;
    std::vector<std::pair<int, int>> offsets;  // offset, object
    for (int n = 0; n < count; ++n, i += 20) {
        if (i + 20 > d.size()) return std::nullopt;
        const QByteArray entry = d.mid(i, 20);
        if (entry[17] == 'f') continue;
        if (entry[17] != 'n') return std::nullopt;
        const int offset = entry.left(10).toInt(&ok);
        if (!ok || offset <= 0 || offset >= xref) return std::nullopt;
        offsets.emplace_back(offset, n);
    }
    const QByteArray trailer = d.mid(i, startxref - i);
    if (!trailer.startsWith("trailer")) return std::nullopt;
    p.size = numberAfter(trailer, "/Size");
    p.root = referenceAfter(trailer, "/Root");
    p.info = referenceAfter(trailer, "/Info");
    if (p.size != count || p.root <= 0) return std::nullopt;

    std::sort(offsets.begin(), offsets.end());
    for (size_t k = 0; k < offsets.size(); ++k) {
        const auto [offset, number] = offsets[k];
        const int end = k + 1 < offsets.size() ? offsets[k + 1].first : xref;
        const QByteArray bytes = d.mid(offset, end - offset);
        const QByteArray header = QByteArray::number(number) + " 0 obj\n";
        if (!bytes.startsWith(header)) return std::nullopt;
        Object o;
        o.number = number;
        const int stream = int(bytes.indexOf(">>\nstream\n"));
        if (stream >= 0) {
            o.head = bytes.mid(header.size(), stream + 3 - header.size());
            o.tail = bytes.mid(stream + 3);
            if (!o.tail.trimmed().endsWith("endstream\nendobj")) return std::nullopt;
        } else {
            const int endobj = int(bytes.lastIndexOf("endobj"));
            if (endobj < 0) return std::nullopt;
            o.head = bytes.mid(header.size(), endobj - header.size());
            o.tail = "endobj\n";
        }
        p.objects.emplace(number, std::move(o));
    }
    // A catalogue that names more than the page tree (an outline, metadata)
    // is not one this joins.
    const auto root = p.objects.find(p.root);
    if (root == p.objects.end()) return std::nullopt;
    p.pages = referenceAfter(root->second.head, "/Pages");
    if (root->second.head != "<<\n/Type /Catalog\n/Pages " + QByteArray::number(p.pages) + " 0 R\n>>\n")
        return std::nullopt;
    const auto pages = p.objects.find(p.pages);
    if (pages == p.objects.end() || !pages->second.head.contains("/Type /Pages") ||
        pages->second.head.contains("/Parent") || !pages->second.head.startsWith("<<"))
        return std::nullopt;
    p.pageCount = numberAfter(pages->second.head, "/Count");
    if (p.pageCount < 1) return std::nullopt;
    return p;
}

// The references of a dictionary or value moved on by base.
QByteArray renumbered(const QByteArray& text, int base) {
    static const QRegularExpression ref(QStringLiteral("(?<![0-9])(\\d{1,9}) 0 R"));
    const QString s = QString::fromLatin1(text);
    QString out;
    out.reserve(s.size() + 16);
    qsizetype last = 0;
    for (auto it = ref.globalMatch(s); it.hasNext();) {
        const auto m = it.next();
        out += QStringView(s).mid(last, m.capturedStart() - last);
        out += QString::number(m.captured(1).toInt() + base) + QStringLiteral(" 0 R");
        last = m.capturedEnd();
    }
    out += QStringView(s).mid(last);
    return out.toLatin1();
}

}  // namespace

std::optional<QByteArray> joinParts(const QList<QByteArray>& parts) {
    if (parts.isEmpty()) return std::nullopt;
    std::vector<Part> read;
    for (const QByteArray& d : parts) {
        auto p = readPart(d);
        if (!p) return std::nullopt;
        read.push_back(std::move(*p));
    }

    // Object 1 is the catalogue and 2 the page tree over the parts; then the
    // objects of each part, numbered on from base.
    QByteArray out = parts.front().left(int(parts.front().indexOf("1 0 obj\n")));
    if (!out.startsWith("%PDF-")) return std::nullopt;
    std::vector<qsizetype> offsets(1, 0);
    auto put = [&](int number, const QByteArray& head, const QByteArray& tail) {
        if (int(offsets.size()) != number) offsets.resize(size_t(number), -1);
        offsets.push_back(out.size());
        out += QByteArray::number(number) + " 0 obj\n" + head + tail;
    };
    std::vector<int> bases;
    int base = 2;
    for (const Part& p : read) {
        bases.push_back(base);
        base += p.size - 1;
    }

    const Part& first = read.front();
    put(1, "<<\n/Type /Catalog\n/Pages 2 0 R\n>>\n", "endobj\n");
    QByteArray kids;
    int pageCount = 0;
    for (size_t k = 0; k < read.size(); ++k) {
        kids += QByteArray::number(read[k].pages + bases[k]) + " 0 R ";
        pageCount += read[k].pageCount;
    }
    put(2, "<<\n/Type /Pages\n/Kids [" + kids.trimmed() + "]\n/Count " + QByteArray::number(pageCount) + "\n>>\n",
        "endobj\n");

    for (size_t k = 0; k < read.size(); ++k) {
        const Part& p = read[k];
        for (int n = 1; n < p.size; ++n) {
            const auto it = p.objects.find(n);
            const int number = n + bases[k];
            // A part's own catalogue, and the document information of all
            // but the first, are not needed; their numbers hold nothing.
            if (it == p.objects.end() || n == p.root || (k > 0 && n == p.info)) {
                put(number, "null\n", "endobj\n");
                continue;
            }
            QByteArray head = renumbered(it->second.head, bases[k]);
            if (n == p.pages) head.insert(2, "\n/Parent 2 0 R");
            put(number, head, it->second.tail);
        }
    }

    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(qsizetype(offsets.size())) + "\n0000000000 65535 f \n";
    for (size_t n = 1; n < offsets.size(); ++n) out += QByteArray::number(offsets[n]).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(qsizetype(offsets.size()));
    if (first.info > 0) out += "\n/Info " + QByteArray::number(first.info + bases[0]) + " 0 R";
    out += "\n/Root 1 0 R\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace report::pdf
