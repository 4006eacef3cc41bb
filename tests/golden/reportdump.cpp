#include "reportdump.h"

#include <QFont>
#include <QTextStream>
#include <cmath>

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

}  // namespace

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
