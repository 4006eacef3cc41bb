#include "reportdump.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <vector>

namespace kvtest {

namespace {

QString pt(double v) { return QString::number(std::lround(v)); }

QString fontText(const QFont& f) {
    QString s = f.family() + u' ' + QString::number(f.pointSizeF(), 'g', 4);
    if (f.bold()) s += QStringLiteral(" bold");
    if (f.italic()) s += QStringLiteral(" italic");
    if (f.underline()) s += QStringLiteral(" underline");
    if (f.strikeOut()) s += QStringLiteral(" strikeout");
    return s;
}

QChar alignment(Qt::Alignment a) {
    if (a & Qt::AlignRight) return u'R';
    if (a & Qt::AlignHCenter) return u'C';
    return u'L';
}

QString bandLine(const report::LaidBand& band) {
    QStringList parts;
    for (const report::LaidItem& item : band.items) {
        if (item.text.isEmpty()) continue;
        QString where = u'[' + pt(item.rect.left()) + QStringLiteral("..") + pt(item.rect.right()) + u' ' +
                        alignment(item.align) + QString::number(item.font);
        const long dy = std::lround(item.rect.top() - band.rect.top());
        if (dy != 0) where += QStringLiteral(" +") + QString::number(dy);
        parts << where + QStringLiteral("] ") + item.lines.join(QStringLiteral(" ¶ "));
    }
    for (const QLineF& rule : band.rules)
        parts << QStringLiteral("rule ") + pt(rule.x1()) + QStringLiteral("..") + pt(rule.x2()) + QStringLiteral(" +") +
                     pt(rule.y1() - band.rect.top());
    QString kind = report::sectionKindName(band.kind);
    if (!band.groupName.isEmpty()) kind += u' ' + band.groupName;
    if (band.repeated) kind += QStringLiteral(" (again)");
    QString line = pt(band.rect.top()).rightJustified(5) + u' ' + kind;
    if (!parts.isEmpty()) line += QStringLiteral(": ") + parts.join(QStringLiteral(" | "));
    return line;
}

// Measures in points as the layout does: on a device of 720 dpi.
class Measure {
public:
    explicit Measure(const report::LaidOutReport& r) : device_(8, 8, QImage::Format_ARGB32) {
        const int dpm = int(720 / 0.0254 + 0.5);
        device_.setDotsPerMeterX(dpm);
        device_.setDotsPerMeterY(dpm);
        for (const QFont& f : r.fonts) metrics_.emplace_back(f, &device_);
    }
    double width(int font, const QString& text) const { return metrics_[size_t(font)].horizontalAdvance(text) / 10.0; }

private:
    QImage device_;
    std::vector<QFontMetricsF> metrics_;
};

// One printed line of a field and where it stands.
struct Printed {
    double left, right, top, bottom;
    int font;
    QString text;
};

}  // namespace

QStringList TextsThatDoNotFit(const report::LaidOutReport& r) {
    const Measure measure(r);
    QStringList faults;
    QStringList seen;  // each fault once, on the first page it shows
    auto fault = [&faults, &seen](const report::LaidPage& page, const report::LaidBand& band, const QString& what) {
        const QString where = report::sectionKindName(band.kind) + QStringLiteral(": ") + what;
        if (seen.contains(where)) return;
        seen << where;
        faults << QStringLiteral("page %1 ").arg(page.number) + where;
    };
    for (const report::LaidPage& page : r.pages) {
        for (const report::LaidBand& band : page.bands) {
            std::vector<Printed> printed;
            for (const report::LaidItem& item : band.items) {
                if (item.text.isEmpty()) continue;
                const bool recordText =
                    (band.kind == report::SectionKind::Detail || band.kind == report::SectionKind::GroupHeader) &&
                    !(item.align & (Qt::AlignRight | Qt::AlignHCenter));
                if (!recordText)
                    for (const QString& paragraph : item.text.split(u'\n')) {
                        const double w = measure.width(item.font, paragraph);
                        if (w > item.rect.width() + 0.01)
                            fault(page, band, QStringLiteral("\"%1\" is %2 pt wide, its field %3 pt")
                                                  .arg(paragraph)
                                                  .arg(w, 0, 'f', 1)
                                                  .arg(item.rect.width(), 0, 'f', 1));
                    }
                const double lineHeight = item.rect.height() / std::max<qsizetype>(1, item.lines.size());
                for (qsizetype i = 0; i < item.lines.size(); ++i) {
                    if (item.lines[i].isEmpty()) continue;
                    const double w = measure.width(item.font, item.lines[i]);
                    double left = item.rect.left();
                    if (item.align & Qt::AlignRight) left = item.rect.right() - w;
                    else if (item.align & Qt::AlignHCenter) left += (item.rect.width() - w) / 2;
                    const double top = item.rect.top() + i * lineHeight;
                    printed.push_back({left, left + w, top, top + lineHeight, item.font, item.lines[i]});
                }
            }
            std::sort(printed.begin(), printed.end(), [](const Printed& a, const Printed& b) { return a.left < b.left; });
            for (size_t a = 0; a < printed.size(); ++a)
                for (size_t b = a + 1; b < printed.size(); ++b) {
                    const Printed& p = printed[a];
                    const Printed& q = printed[b];
                    if (q.top >= p.bottom - 0.01 || p.top >= q.bottom - 0.01) continue;
                    if (q.left - p.right < measure.width(p.font, QStringLiteral(" ")))
                        fault(page, band, QStringLiteral("\"%1\" runs into \"%2\"").arg(p.text, q.text));
                }
        }
    }
    return faults;
}

QString DumpReport(const report::LaidOutReport& r, const QString& definition) {
    QString out;
    QTextStream s(&out);
    s << "definition: " << definition << '\n';
    s << "title: " << r.title << '\n';
    s << "paper: " << pt(r.pageSize.width()) << 'x' << pt(r.pageSize.height())
      << (r.orientation == QPageLayout::Landscape ? " landscape" : " portrait") << ", margins left "
      << pt(r.margins.left()) << " top " << pt(r.margins.top()) << " right " << pt(r.margins.right()) << " bottom "
      << pt(r.margins.bottom()) << '\n';
    for (size_t i = 0; i < r.fonts.size(); ++i) s << "font " << i << ": " << fontText(r.fonts[i]) << '\n';
    s << "records: " << r.recordCount << ", pages: " << r.pageCount() << '\n';
    for (const report::LaidPage& page : r.pages) {
        s << "\npage " << page.number << '\n';
        for (const report::LaidBand& band : page.bands) s << bandLine(band) << '\n';
    }
    return out;
}

}  // namespace kvtest
