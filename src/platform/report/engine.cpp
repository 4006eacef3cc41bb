#include "platform/report/engine.h"

#include "platform/report/error.h"
#include "platform/report/measurer.h"
#include "platform/report/records.h"
#include "platform/report/texts.h"

#include <QPageSize>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace report {

// ---------------------------------------------------------------- page model

const LaidItem* LaidBand::item(const QString& name) const {
    for (const auto& it : items)
        if (it.name == name) return &it;
    return nullptr;
}

QString LaidBand::text(const QString& name) const {
    const LaidItem* it = item(name);
    return it ? it->text : QString();
}

std::vector<const LaidBand*> LaidOutReport::bands(SectionKind kind, int group) const {
    std::vector<const LaidBand*> out;
    for (const auto& p : pages)
        for (const auto& b : p.bands)
            if (b.kind == kind && (group < 0 || b.group == group)) out.push_back(&b);
    return out;
}

std::vector<const LaidBand*> LaidOutReport::bands(SectionKind kind, const QString& groupName) const {
    std::vector<const LaidBand*> out;
    for (const auto& p : pages)
        for (const auto& b : p.bands)
            if (b.kind == kind && b.groupName.compare(groupName, Qt::CaseInsensitive) == 0) out.push_back(&b);
    return out;
}

int LaidOutReport::pageOf(const LaidBand* band) const {
    for (const auto& p : pages)
        if (!p.bands.empty() && band >= &p.bands.front() && band <= &p.bands.back()) return p.number;
    return 0;
}

namespace {

using detail::Measurer;
using detail::Records;
using detail::Scope;
using Clock = std::chrono::steady_clock;

constexpr double kPtPerMm = 72.0 / 25.4;

// The layout's part of the engine: the records, read, selected and sorted,
// laid out into pages of sections, each page handed on as soon as it is
// complete. What the formulas of the sections ask of the records, the
// records answer (records.h).
class Layout {
public:
    explicit Layout(Records& records) : records_(records), def_(records.definition()), in_(records.input()) {}

    // The fonts and the paper: what comes before the first page is laid out.
    void setUp(EngineResult& result) {
        groupCount_ = records_.groupCount();
        prepareFonts();
        setUpPages();
        result.report = report_;
    }

    bool pageCountShown() const { return !totalItems_.empty() || titleUsesPages_; }
    bool pageCountKnown() const { return pageCountKnown_; }
    bool titleKnown() const { return !titleUsesPages_ || pageCountKnown_; }
    // The title where it asks nothing of the records or the pages; empty
    // where it does, or cannot be worked out.
    QString titleBeforeRecords() {
        if (def_.title.isEmpty() || records_.transitively(def_.title, [](const ExprUses& u) {
                return !u.fields.empty() || u.aggregates || u.pageNumber || u.totalPages;
            }))
            return QString();
        try {
            Scope scope(records_, -1, -1, 0, 0, false, 1);
            return val::toText(evaluate(def_.title, scope));
        } catch (const ReportError&) {
            return QString();  // told by the layout, which works it out again
        }
    }

    // Lays the pages out first to last, each handed to the sink as soon as
    // it is complete, in steps: begin, then proceed until it returns true.
    // Texts that show the page count, while it is not known yet, come last
    // (PageSink::lastPage). A sink may stop the layout by throwing: nothing
    // of the layout goes on after that.
    void begin(PageSink& sink);
    // Lays records out until the time given has come (at least one) or the
    // report has ended; true once the last page has gone to the sink.
    bool proceed(Clock::time_point until);
    void layOut(PageSink& sink) {
        begin(sink);
        proceed(Clock::time_point::max());
    }

    // A layout that keeps no page, to learn the page count: a later layout
    // then writes every text as its page is completed.
    void beginCounting() { begin(counter_); }
    int countPages() {
        layOut(counter_);
        return totalPages_;
    }

    // Of the layout under way (or the last one): the records laid out, and
    // the pages handed to the sink.
    int recordsDone() const { return pos_; }
    int pagesDone() const { return sink_ ? pagesStarted_ - 1 : pagesStarted_; }
    int pageCount() const { return pageCountKnown_ ? totalPages_ : 0; }

private:
    // ---------------------------------------------------------------- fonts

    static std::optional<bool> flag(const QString& s, const QString& entry) {
        const QString v = s.trimmed().toUpper();
        if (v.isEmpty() || v == QLatin1String("X")) return std::nullopt;
        static const QStringList yes = {QStringLiteral("1"), QStringLiteral("Y"), QStringLiteral("YES"),
                                        QStringLiteral("T"), QStringLiteral("TRUE"), QStringLiteral("-1")};
        static const QStringList no = {QStringLiteral("0"), QStringLiteral("N"), QStringLiteral("NO"),
                                       QStringLiteral("F"), QStringLiteral("FALSE")};
        if (yes.contains(v)) return true;
        if (no.contains(v)) return false;
        throw ReportError(err::InvalidProperty, QStringLiteral("Virheellinen osion fontti \"%1\"").arg(entry));
    }

    void prepareFonts() {
        for (int i = 0; i < kFontSlotCount; ++i) {
            FontStyle s = def_.slotFonts[size_t(i)];
            if (s.family.isEmpty()) s.family = def_.font.family;
            if (s.size <= 0) s.size = def_.font.size;
            slotStyles_[size_t(i)] = s;
        }
        // The program's section fonts: CODE;font;size;italic;bold;underline;strikeout, X = unchanged.
        for (const QString& entry : in_.sectionFonts) {
            if (entry.trimmed().isEmpty()) continue;
            const QStringList p = entry.split(QLatin1Char(';'));
            const QString code = p.value(0).trimmed();
            std::vector<int> slots;
            if (code.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) {
                for (int i = 0; i < kFontSlotCount; ++i) slots.push_back(i);
            } else if (auto slot = fontSlotFromCode(code)) {
                slots.push_back(int(*slot));
            } else {
                throw ReportError(err::InvalidProperty, QStringLiteral("Virheellinen osion fontti \"%1\"").arg(entry));
            }
            const QString family = p.value(1).trimmed();
            const QString sizeText = p.value(2).trimmed();
            std::optional<double> size;
            if (!sizeText.isEmpty() && sizeText.compare(QLatin1String("X"), Qt::CaseInsensitive) != 0) {
                bool ok = false;
                double d = QString(sizeText).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
                if (!ok || d <= 0 || d > 400)
                    throw ReportError(err::InvalidProperty, QStringLiteral("Virheellinen osion fontti \"%1\"").arg(entry));
                size = d;
            }
            auto italic = flag(p.value(3), entry), bold = flag(p.value(4), entry), underline = flag(p.value(5), entry),
                 strike = flag(p.value(6), entry);
            for (int i : slots) {
                FontStyle& s = slotStyles_[size_t(i)];
                if (!family.isEmpty() && family.compare(QLatin1String("X"), Qt::CaseInsensitive) != 0) s.family = family;
                if (size) s.size = *size;
                if (italic) s.italic = *italic;
                if (bold) s.bold = *bold;
                if (underline) s.underline = *underline;
                if (strike) s.strikeout = *strike;
            }
        }
    }

    // Index of the font for a slot with an item's own emphasis.
    int fontIndex(FontSlot slot, bool bold, bool italic, bool underline) {
        const FontStyle& s = slotStyles_[size_t(slot)];
        const int key = int(slot) * 8 + (bold || s.bold ? 4 : 0) + (italic || s.italic ? 2 : 0) +
                        (underline || s.underline ? 1 : 0);
        auto it = fontIndex_.find(key);
        if (it != fontIndex_.end()) return it->second;
        QFont f(printableFamily(s.family));
        f.setPointSizeF(s.size);
        f.setBold(bold || s.bold);
        f.setItalic(italic || s.italic);
        f.setUnderline(underline || s.underline);
        f.setStrikeOut(s.strikeout);
        f.setHintingPreference(QFont::PreferNoHinting);
        const int index = int(report_->fonts.size());
        report_->fonts.push_back(f);
        measurer_.addFont(f);
        fontIndex_[key] = index;
        return index;
    }

    // ---------------------------------------------------------------- layout

    // An item whose text depends on the page it lands on.
    struct Deferred {
        int page = -1, band = -1, item = -1;
        int pos = -1, row = -1, begin = 0, end = 0;
        const ItemDef* def = nullptr;
    };
    // An item that shows the page count, held until the count is known.
    struct Late {
        Deferred d;
        LaidItem item;
    };

    // A section built for one record, not yet placed; its top is at 0.
    struct Built {
        LaidBand band;
        std::vector<Deferred> deferred;
        double height() const { return band.rect.height(); }
    };

    // Builds one section for the record at pos with totals over [begin, end).
    // Nothing when the section is suppressed.
    std::optional<Built> build(const SectionDef& s, int pos, int begin, int end, int page) {
        const int row = pos;
        Scope scope(records_, pos, row, begin, end, true, page);
        if (!s.suppress.isEmpty() && Records::condition(s.suppress, scope)) return std::nullopt;
        Built b;
        LaidBand& band = b.band;
        band.kind = s.kind;
        band.group = s.group;
        if (s.group >= 0) band.groupName = def_.groups[size_t(s.group)].name;
        band.record = pos;
        const double left = margins_.left();
        double height = s.minHeight * kPtPerMm;
        band.items.reserve(s.items.size());
        for (const ItemDef& it : s.items) {
            LaidItem item = buildItem(s, it, scope, left);
            height = std::max(height, item.rect.bottom());
            if (deferredItems_.count(&it)) {
                Deferred d;
                d.item = int(band.items.size());
                d.pos = pos;
                d.row = row;
                d.begin = begin;
                d.end = end;
                d.def = &it;
                b.deferred.push_back(d);
            }
            band.items.push_back(std::move(item));
        }
        for (const RuleDef& r : s.rules) {
            const double x0 = r.width < 0 ? left : left + r.x * kPtPerMm;
            const double x1 = r.width < 0 ? pageSize_.width() - margins_.right() : x0 + r.width * kPtPerMm;
            const double y = r.above ? 0 : height;
            band.rules.emplace_back(x0, y, x1, y);
        }
        band.rect = QRectF(left, 0, pageSize_.width() - margins_.left() - margins_.right(), height);
        return b;
    }

    LaidItem buildItem(const SectionDef& s, const ItemDef& it, Scope& scope, double left) {
        LaidItem item;
        item.name = it.name;
        item.align = it.align;
        item.value = evaluate(it.expr, scope);
        const bool bold = it.bold || (!it.boldWhen.isEmpty() && Records::condition(it.boldWhen, scope));
        item.font = fontIndex(s.font, bold, it.italic, it.underline);
        double indent = 0;
        if (!it.indent.isEmpty()) {
            Value v = evaluate(it.indent, scope);
            if (val::isNumeric(v)) indent = std::clamp(v.toDouble(), 0.0, std::max(0.0, it.width - 1.0)) * kPtPerMm;
        }
        const double width = it.width * kPtPerMm - indent;
        item.text = formatted(item.value, it.format);
        item.lines = measurer_.wrap(item.font, item.text, width);
        item.rect = QRectF(left + it.x * kPtPerMm + indent, it.y * kPtPerMm, width,
                           measurer_.lineHeight(item.font) * item.lines.size());
        return item;
    }

    // The value's text by the format. A date is written once per format:
    // a ledger prints the same days on line after line.
    QString formatted(const Value& v, const Format& f) {
        if (v.kind() != dao::Variant::Kind::Date) return formatValue(v, f, locale_);
        const auto key = std::make_pair(&f, v.toDate().seconds());
        auto it = dateTexts_.find(key);
        if (it == dateTexts_.end()) it = dateTexts_.emplace(key, formatValue(v, f, locale_)).first;
        return it->second;
    }

    int currentPage() const { return pagesStarted_; }

    // Puts a built section at the current height of the current page.
    void place(Built b, double y) {
        LaidBand& band = b.band;
        band.rect.translate(0, y);
        for (auto& it : band.items) it.rect.translate(0, y);
        for (auto& r : band.rules) r.translate(0, y);
        for (auto& d : b.deferred) {
            d.page = pagesStarted_ - 1;
            d.band = int(page_.bands.size());
            deferred_.push_back(d);
        }
        page_.bands.push_back(std::move(band));
    }

    // Completes the current page: its footer, the texts that depend on its
    // number, and hands it on.
    void finishPage(PageSink& sink) {
        const int p = pagesStarted_ - 1;
        const int n = records_.count();
        if (const SectionDef* pf = def_.section(SectionKind::PageFooter)) {
            int pos = lastRecordOnPage_[size_t(p)];
            if (pos < 0) pos = n > 0 ? std::min(n - 1, firstRecordAfter(p)) : -1;
            if (auto b = build(*pf, pos, 0, n, p + 1)) {
                // At the foot of its own page, whichever page is being laid out.
                LaidBand& band = b->band;
                band.rect.translate(0, bodyBottom_);
                for (auto& it : band.items) it.rect.translate(0, bodyBottom_);
                for (auto& r : band.rules) r.translate(0, bodyBottom_);
                for (auto& d : b->deferred) {
                    d.page = p;
                    d.band = int(page_.bands.size());
                    deferred_.push_back(d);
                }
                page_.bands.push_back(std::move(band));
            }
        }
        // Page numbers are known now; the page count perhaps not yet.
        for (const Deferred& d : deferred_) {
            LaidItem& item = page_.bands[size_t(d.band)].items[size_t(d.item)];
            if (!pageCountKnown_ && totalItems_.count(d.def)) {
                late_.push_back({d, item});
                item.text.clear();
                item.lines.clear();
                continue;
            }
            rewrite(item, d);
        }
        deferred_.clear();
        sink.page(std::move(page_), *report_);
        page_ = LaidPage();
    }

    // Evaluates an item again on the page it landed on.
    void rewrite(LaidItem& item, const Deferred& d) {
        Scope scope(records_, d.pos, d.row, d.begin, d.end, true, d.page + 1);
        item.value = evaluate(d.def->expr, scope);
        item.text = formatValue(item.value, d.def->format, locale_);
        item.lines = measurer_.wrap(item.font, item.text, item.rect.width());
        item.rect.setHeight(measurer_.lineHeight(item.font) * item.lines.size());
    }

    void startPage(int nextPos) {
        if (pagesStarted_ > 0) finishPage(*sink_);
        ++pagesStarted_;
        page_.number = pagesStarted_;
        lastRecordOnPage_.push_back(-1);
        y_ = margins_.top();
        const int n = records_.count();
        const int pos = n == 0 ? -1 : std::clamp(nextPos, 0, n - 1);
        auto top = [this](std::optional<Built> b) {
            if (!b) return;
            const double h = b->height();
            place(std::move(*b), y_);
            y_ += h;
        };
        if (pagesStarted_ == 1)
            if (const SectionDef* rh = def_.section(SectionKind::ReportHeader)) top(build(*rh, pos, 0, n, currentPage()));
        if (const SectionDef* ph = def_.section(SectionKind::PageHeader)) top(build(*ph, pos, 0, n, currentPage()));
        // Groups that go on from the page before repeat their headers.
        for (int g = 0; g < groupCount_; ++g) {
            const int start = open_[size_t(g)];
            if (start < 0) continue;
            const SectionDef* gh = def_.section(SectionKind::GroupHeader, g);
            if (!gh || !gh->repeat) continue;
            auto b = build(*gh, start, start, records_.groupEnd(g, start), currentPage());
            if (b) b->band.repeated = true;
            top(std::move(b));
        }
        pageHasBody_ = false;
    }

    // Places a body section, on a new page when it does not fit on this one.
    void emit(Built b, int nextPos) {
        if (y_ + b.height() > bodyBottom_ + 0.01 && pageHasBody_) startPage(nextPos);
        const double h = b.height();
        if (b.band.record >= 0) lastRecordOnPage_.back() = b.band.record;
        place(std::move(b), y_);
        y_ += h;
        pageHasBody_ = true;
    }

    // The paper, the margins, the fonts of the page footer and the room it
    // keeps free; the title when it does not depend on the pages.
    void setUpPages() {
        report_ = std::make_shared<LaidOutReport>();
        report_->orientation = def_.orientation;
        QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        if (def_.orientation == QPageLayout::Landscape) a4.transpose();
        pageSize_ = a4;
        QMarginsF mm = def_.marginsMm;
        if (in_.marginsMm.left() >= 0) mm.setLeft(in_.marginsMm.left());
        if (in_.marginsMm.top() >= 0) mm.setTop(in_.marginsMm.top());
        if (in_.marginsMm.right() >= 0) mm.setRight(in_.marginsMm.right());
        if (in_.marginsMm.bottom() >= 0) mm.setBottom(in_.marginsMm.bottom());
        margins_ = mm * kPtPerMm;
        // Margins that leave no room to print fall back to the definition's.
        if (margins_.left() + margins_.right() > pageSize_.width() * 0.8 ||
            margins_.top() + margins_.bottom() > pageSize_.height() * 0.8)
            margins_ = def_.marginsMm * kPtPerMm;
        report_->pageSize = pageSize_;
        report_->margins = margins_;
        report_->recordCount = records_.count();

        // Items whose text depends on the page number or the page count are
        // evaluated again once their page is known.
        const auto pageValues = [](const ExprUses& u) { return u.pageNumber || u.totalPages; };
        for (const auto& s : def_.sections)
            for (const auto& it : s.items) {
                if (records_.transitively(it.expr, pageValues)) deferredItems_.insert(&it);
                if (records_.transitively(it.expr, [](const ExprUses& u) { return u.totalPages; })) totalItems_.insert(&it);
            }
        titleUsesPages_ = !def_.title.isEmpty() && records_.transitively(def_.title, pageValues);

        const int n = records_.count();

        // The page footer's room is kept free on every page.
        double footerHeight = 0;
        if (const SectionDef* pf = def_.section(SectionKind::PageFooter)) {
            SectionDef shown = *pf;  // measured as it prints, whatever its condition says
            shown.suppress = Formula();
            footerHeight = build(shown, n > 0 ? 0 : -1, 0, n, 1)->height();
        }
        bodyBottom_ = pageSize_.height() - margins_.bottom() - footerHeight;
        if (!titleUsesPages_) setTitle();
    }

    void setTitle() {
        const int n = records_.count();
        Scope titleScope(records_, n > 0 ? 0 : -1, n > 0 ? 0 : -1, 0, n, true, 1);
        report_->title = def_.title.isEmpty() ? QString() : val::toText(evaluate(def_.title, titleScope));
    }
    // The record a page without records of its own shows in its footer: the
    // last one printed on an earlier page.
    int firstRecordAfter(int page) const {
        for (int p = page; p >= 0; --p)
            if (lastRecordOnPage_[size_t(p)] >= 0) return lastRecordOnPage_[size_t(p)];
        return 0;
    }

    // Lays out the record at pos_: its group headers, its detail section
    // and the footers of the groups it ends.
    void layOutRecord(const SectionDef* detail);
    // The report footer, the last page and the texts that show the page count.
    void end();

    struct Counter final : PageSink {
        void page(LaidPage, const LaidOutReport&) override {}
    };

    Records& records_;
    const Definition& def_;
    const EngineInput& in_;
    Counter counter_;
    int pos_ = 0;         // the next record to lay out
    int innerBegin_ = 0;  // where the innermost group of that record began
    int groupCount_ = 0;
    std::array<FontStyle, kFontSlotCount> slotStyles_;
    std::unordered_map<int, int> fontIndex_;
    Measurer measurer_;
    std::map<std::pair<const Format*, std::int64_t>, QString> dateTexts_;
    std::unordered_set<const ItemDef*> deferredItems_;

    std::unordered_set<const ItemDef*> totalItems_;  // those of deferredItems_ that show the page count
    bool titleUsesPages_ = false;
    bool pageCountKnown_ = false;

    QLocale locale_;                         // the texts' regional formats, the same for the whole run
    std::shared_ptr<LaidOutReport> report_;  // the report without its pages
    PageSink* sink_ = nullptr;
    LaidPage page_;                                // the page being laid out
    int pagesStarted_ = 0;
    std::vector<Late> late_;
    QSizeF pageSize_;
    QMarginsF margins_;
    double bodyBottom_ = 0;
    double y_ = 0;
    bool pageHasBody_ = false;
    std::vector<int> open_;                        // per group level: position where the open group began
    std::vector<int> lastRecordOnPage_;
    std::vector<Deferred> deferred_;
    int totalPages_ = 0;
};

void Layout::begin(PageSink& sink) {
    records_.startWorkingOut();
    sink_ = &sink;
    pagesStarted_ = 0;
    page_ = LaidPage();
    lastRecordOnPage_.clear();
    deferred_.clear();
    late_.clear();
    open_.assign(size_t(groupCount_), -1);
    pos_ = 0;
    innerBegin_ = 0;
    startPage(0);
}

bool Layout::proceed(Clock::time_point until) {
    if (!sink_) return true;
    const SectionDef* detail = def_.section(SectionKind::Detail);
    for (const int n = records_.count(); pos_ < n;) {
        layOutRecord(detail);
        ++pos_;
        if (Clock::now() >= until) return false;
    }
    end();
    return true;
}

void Layout::layOutRecord(const SectionDef* detail) {
    const int n = records_.count(), pos = pos_;
    int first = -1;
    for (int g = 0; g < groupCount_ && first < 0; ++g)
        if (records_.startsGroup(g, pos)) first = g;
    if (first >= 0) innerBegin_ = pos;
    const int innerEnd = groupCount_ > 0 ? records_.groupEnd(groupCount_ - 1, pos) : n;
    std::optional<Built> detailBand;
    if (detail) detailBand = build(*detail, pos, groupCount_ > 0 ? innerBegin_ : 0, innerEnd, currentPage());
    if (first >= 0) {
        std::vector<Built> headers;
        double need = detailBand ? detailBand->height() : 0;
        for (int g = first; g < groupCount_; ++g) {
            if (const SectionDef* gh = def_.section(SectionKind::GroupHeader, g))
                if (auto b = build(*gh, pos, pos, records_.groupEnd(g, pos), currentPage())) {
                    need += b->height();
                    headers.push_back(std::move(*b));
                }
        }
        // A group header stays with the first line of its group.
        if (y_ + need > bodyBottom_ + 0.01 && pageHasBody_) startPage(pos);
        for (auto& h : headers) emit(std::move(h), pos);
        for (int g = first; g < groupCount_; ++g) open_[size_t(g)] = pos;
    }
    if (detailBand) emit(std::move(*detailBand), pos);
    for (int g = groupCount_ - 1; g >= 0; --g) {
        if (records_.groupEnd(g, pos) != pos + 1) continue;
        if (const SectionDef* gf = def_.section(SectionKind::GroupFooter, g))
            if (auto b = build(*gf, pos, open_[size_t(g)], pos + 1, currentPage())) emit(std::move(*b), pos);
        open_[size_t(g)] = -1;
    }
}

void Layout::end() {
    const int n = records_.count();
    if (const SectionDef* rf = def_.section(SectionKind::ReportFooter))
        if (auto b = build(*rf, n > 0 ? n - 1 : -1, 0, n, currentPage())) emit(std::move(*b), n - 1);

    PageSink& sink = *sink_;
    finishPage(sink);
    sink_ = nullptr;
    totalPages_ = pagesStarted_;
    records_.setTotalPages(totalPages_);
    pageCountKnown_ = true;
    if (titleUsesPages_) setTitle();
    // The page count is known now.
    std::vector<LateItem> late;
    late.reserve(late_.size());
    for (Late& l : late_) {
        rewrite(l.item, l.d);
        late.push_back({l.d.page, l.d.band, l.d.item, std::move(l.item)});
    }
    late_.clear();
    sink.lastPage(*report_, std::move(late));
}

}  // namespace

// ---------------------------------------------------------------- the public face

struct PreparedReport::Impl {
    explicit Impl(const EngineInput& input) : records(input), layout(records) {}
    Records records;
    Layout layout;
    EngineResult result;
};

PreparedReport::PreparedReport(const EngineInput& input) : PreparedReport(input, InSteps{}) {
    readRecords();
    setUp();
}

PreparedReport::PreparedReport(const EngineInput& input, InSteps) : impl_(std::make_unique<Impl>(input)) {
    impl_->records.load(impl_->result);
}

void PreparedReport::readRecords() { impl_->records.read(impl_->result); }
void PreparedReport::setUp() { impl_->layout.setUp(impl_->result); }

PreparedReport::~PreparedReport() = default;

const EngineResult& PreparedReport::result() const { return impl_->result; }
bool PreparedReport::pageCountShown() const { return impl_->layout.pageCountShown(); }
bool PreparedReport::pageCountKnown() const { return impl_->layout.pageCountKnown(); }
bool PreparedReport::titleKnown() const { return impl_->layout.titleKnown(); }
QString PreparedReport::titleBeforeRecords() { return impl_->layout.titleBeforeRecords(); }
int PreparedReport::countPages() { return impl_->layout.countPages(); }
void PreparedReport::layOut(PageSink& sink) { impl_->layout.layOut(sink); }
void PreparedReport::begin(PageSink& sink) { impl_->layout.begin(sink); }
void PreparedReport::beginCounting() { impl_->layout.beginCounting(); }
bool PreparedReport::proceed(std::chrono::steady_clock::time_point until) { return impl_->layout.proceed(until); }
int PreparedReport::records() const { return impl_->records.count(); }
int PreparedReport::recordsLaidOut() const { return impl_->layout.recordsDone(); }
int PreparedReport::pagesLaidOut() const { return impl_->layout.pagesDone(); }
int PreparedReport::pageCount() const { return impl_->layout.pageCount(); }

void KeepPages::page(LaidPage page, const LaidOutReport&) { into_.pages.push_back(std::move(page)); }

void KeepPages::lastPage(const LaidOutReport&, std::vector<LateItem> items) {
    for (LateItem& l : items)
        into_.pages[size_t(l.page)].bands[size_t(l.band)].items[size_t(l.item)] = std::move(l.laid);
}

EngineResult runEngine(const EngineInput& input) {
    PreparedReport prepared(input);
    EngineResult result = prepared.result();
    KeepPages keep(*result.report);
    prepared.layOut(keep);
    return result;
}

}  // namespace report
