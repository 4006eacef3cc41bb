#include "platform/reportpaint/pdfjoin.h"

#include "platform/parallel/parallel.h"

#include <QFile>
#include <sys/mman.h>
#include <array>
#include <algorithm>
#include <cstring>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

// The parts are read object by object through their cross-reference tables
// and the joined file is written as it goes: an object is copied once it is
// reached from a page taken, its references renumbered, and a stream's data
// copied as it was compressed. What is held is the objects' numbers and
// places, not the objects: the file of a long report is as quick to join,
// per page, as a short one, and takes no more memory than its page list.

namespace report::pdf {

namespace {

[[noreturn]] void fail(const char* what) { throw JoinError(what); }

// Bytes read from a mapped part between two releases of its memory read so far.
constexpr qint64 kTouchedBetweenLoosening = 1 << 20;
constexpr qint64 kPageBytes = 4096;

// Where word begins in text, the first or the last time; -1 where it does
// not. A part's text is read where it lies mapped, with nothing after it or
// before it: Qt's search from the end reads before a text shorter than the
// word, which here is before the mapping.
qsizetype indexOf(const QByteArray& text, std::string_view word) {
    const size_t at = std::string_view(text.constData(), size_t(text.size())).find(word);
    return at == std::string_view::npos ? -1 : qsizetype(at);
}
qsizetype lastIndexOf(const QByteArray& text, std::string_view word) {
    const size_t at = std::string_view(text.constData(), size_t(text.size())).rfind(word);
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }
bool isDelimiter(char c) { return std::strchr("()<>[]{}/%", c) != nullptr; }
bool isRegular(char c) { return !isSpace(c) && !isDelimiter(c); }

// A PDF value as read: a name, number, keyword or string is kept as its
// text; an array or dictionary as its members; a reference as its object
// number.
struct Obj {
    enum class Kind { Token, Array, Dict, Ref } kind = Kind::Token;
    QByteArray text;                                 // Token
    std::vector<Obj> items;                          // Array
    std::vector<std::pair<QByteArray, Obj>> keys;    // Dict, keys with their slash
    int ref = 0;                                     // Ref

    static Obj token(QByteArray t) {
        Obj o;
        o.text = std::move(t);
        return o;
    }
    static Obj reference(int n) {
        Obj o;
        o.kind = Kind::Ref;
        o.ref = n;
        return o;
    }
    const Obj* get(const char* key) const {
        for (const auto& [k, v] : keys)
            if (k == key) return &v;
        return nullptr;
    }
    void set(const QByteArray& key, Obj v) {
        for (auto& [k, old] : keys)
            if (k == key) {
                old = std::move(v);
                return;
            }
        keys.emplace_back(key, std::move(v));
    }
    void remove(const char* key) {
        keys.erase(std::remove_if(keys.begin(), keys.end(), [&](const auto& kv) { return kv.first == key; }), keys.end());
    }
};

// Reads one value from text at pos; false when the text ends before it does.
class Parser {
public:
    Parser(const QByteArray& text, qsizetype pos) : s_(text), i_(pos) {}
    qsizetype pos() const { return i_; }

    void skipSpace() {
        for (;;) {
            while (i_ < s_.size() && isSpace(s_[i_])) ++i_;
            if (i_ < s_.size() && s_[i_] == '%') {
                while (i_ < s_.size() && s_[i_] != '\n' && s_[i_] != '\r') ++i_;
                continue;
            }
            return;
        }
    }
    bool atEnd() {
        skipSpace();
        return i_ >= s_.size();
    }
    QByteArray word() {
        skipSpace();
        const qsizetype b = i_;
        while (i_ < s_.size() && isRegular(s_[i_])) ++i_;
        return s_.mid(b, i_ - b);
    }

    // Throws Short when the text ends inside the value.
    struct Short {};
    Obj value() {
        // Arrays and dictionaries are read by reading their members: a part
        // nested deeper than any file of pages is refused before the reading
        // runs out of stack.
        if (++depth_ > kDeepest) fail("values nested too deeply");
        struct Out {
            int& depth;
            ~Out() { --depth; }
        } out{depth_};
        skipSpace();
        need(1);
        const char c = s_[i_];
        if (c == '/') {
            const qsizetype b = i_++;
            while (i_ < s_.size() && isRegular(s_[i_])) ++i_;
            need(0);
            return Obj::token(s_.mid(b, i_ - b));
        }
        if (c == '(') return Obj::token(literal());
        if (c == '<' && peek(1) == '<') {
            i_ += 2;
            Obj d;
            d.kind = Obj::Kind::Dict;
            for (;;) {
                skipSpace();
                need(1);
                if (s_[i_] == '>') {
                    need(2);
                    if (s_[i_ + 1] != '>') fail("broken dictionary");
                    i_ += 2;
                    return d;
                }
                Obj key = value();
                if (key.kind != Obj::Kind::Token || !key.text.startsWith('/')) fail("broken dictionary key");
                d.keys.emplace_back(key.text, value());
            }
        }
        if (c == '<') {
            const qsizetype b = i_;
            while (i_ < s_.size() && s_[i_] != '>') ++i_;
            need(1);
            ++i_;
            return Obj::token(s_.mid(b, i_ - b));
        }
        if (c == '[') {
            ++i_;
            Obj a;
            a.kind = Obj::Kind::Array;
            for (;;) {
                skipSpace();
                need(1);
                if (s_[i_] == ']') {
                    ++i_;
                    return a;
                }
                a.items.push_back(value());
            }
        }
        if (!isRegular(c)) fail("unexpected character");
        const QByteArray w = word();
        need(0);
        // An object number, its generation and R make a reference.
        if (isUnsigned(w)) {
            const qsizetype back = i_;
            const QByteArray gen = word();
            if (isUnsigned(gen)) {
                const QByteArray r = word();
                if (r == "R") return Obj::reference(w.toInt());
            }
            if (i_ >= s_.size()) throw Short{};
            i_ = back;
        }
        return Obj::token(w);
    }

private:
    static bool isUnsigned(const QByteArray& w) {
        return !w.isEmpty() && std::all_of(w.begin(), w.end(), [](char c) { return c >= '0' && c <= '9'; });
    }
    char peek(int ahead) {
        need(ahead + 1);
        return s_[i_ + ahead];
    }
    // The text must go on n characters from here (0: past the end of a word,
    // which the end of the text may cut short).
    void need(qsizetype n) {
        if (i_ + std::max<qsizetype>(n, 1) > s_.size()) throw Short{};
    }
    QByteArray literal() {
        const qsizetype b = i_++;
        int depth = 1;
        while (depth > 0) {
            need(1);
            const char c = s_[i_++];
            if (c == '\\')
                ++i_;
            else if (c == '(')
                ++depth;
            else if (c == ')')
                --depth;
        }
        return s_.mid(b, i_ - b);
    }

    static constexpr int kDeepest = 64;

    const QByteArray& s_;
    qsizetype i_;
    int depth_ = 0;
};

void serialize(const Obj& o, QByteArray& out, const std::function<int(int)>& renumber) {
    switch (o.kind) {
    case Obj::Kind::Token: out += o.text; return;
    case Obj::Kind::Ref: {
        const int n = renumber(o.ref);
        if (n > 0)
            out += QByteArray::number(n) + " 0 R";
        else
            out += "null";
        return;
    }
    case Obj::Kind::Array:
        out += '[';
        for (const Obj& i : o.items) {
            serialize(i, out, renumber);
            out += ' ';
        }
        out += ']';
        return;
    case Obj::Kind::Dict:
        out += "<<";
        for (const auto& [k, v] : o.keys) {
            out += k;
            out += ' ';
            serialize(v, out, renumber);
            out += '\n';
        }
        out += ">>";
        return;
    }
}

// An indirect object of a part: its value, and where its stream's data is.
struct Read {
    Obj value;
    qint64 streamAt = -1;  // -1: no stream
    qint64 streamLength = 0;
};

// A PDF file read through its cross-reference table.
class Source {
public:
    explicit Source(const QString& path) : file_(path) {
        if (!file_.open(QIODevice::ReadOnly)) fail("cannot open part");
        size_ = file_.size();
        // The part is read where it lies in memory, where it can be mapped.
        if (size_ > 0) map_ = reinterpret_cast<const char*>(file_.map(0, size_));
        // The first line names the version.
        const QByteArray head = readAt(0, std::min<qint64>(16, size_));
        const qsizetype eol = indexOf(head, "\n");
        if (eol < 0) fail("not a PDF file");
        version_ = QByteArray(head.constData(), eol).trimmed();
        if (!version_.startsWith("%PDF-")) fail("not a PDF file");
        // The last lines: the place of the cross-reference table, and the
        // end mark on a line of its own, which a part cut short at any byte
        // does not have whole.
        const qint64 tailAt = std::max<qint64>(0, size_ - 1024);
        const QByteArray tail = readAt(tailAt, size_ - tailAt);
        const qsizetype sx = lastIndexOf(tail, "startxref"), eof = lastIndexOf(tail, "%%EOF");
        if (sx < 0 || eof < sx) fail("no cross-reference table");
        const std::string_view after(tail.constData() + eof + 5, size_t(tail.size() - eof - 5));
        if (after != "\n" && after != "\r\n" && after != "\r") fail("part cut short");
        Parser p(tail, sx + 9);
        bool ok = false;
        const qint64 xrefAt = p.word().toLongLong(&ok);
        if (!ok) fail("broken startxref");
        readXref(xrefAt);
    }

    const Obj& trailer() const { return trailer_; }
    const QByteArray& header() const { return version_; }
    int objectCount() const { return int(offsets_.size()); }

    Read read(int num) { return readObject(num, true); }

    // The page objects in the order of the page tree.
    std::vector<int> pages() {
        const Obj* root = trailer_.get("/Root");
        if (!root || root->kind != Obj::Kind::Ref) fail("no document catalog");
        // The catalog is kept while its page tree entry is used.
        const Read catalog = read(root->ref);
        const Obj* tree = dict(catalog.value).get("/Pages");
        if (!tree || tree->kind != Obj::Kind::Ref) fail("no page tree");
        std::vector<int> out;
        collect(tree->ref, {}, out, 0);
        return out;
    }
    // What a page takes from the nodes above it in the page tree.
    const Obj& inherited(int page) const {
        static const Obj none;
        auto it = inherited_.find(page);
        return it == inherited_.end() ? none : it->second;
    }
    bool isTreeNode(int num) const { return treeNodes_.count(num) > 0; }

    // Copies a stream's data as it is into out.
    void copyStream(const Read& r, QFile& out) {
        if (map_) {
            if (out.write(map_ + r.streamAt, r.streamLength) != r.streamLength) fail("cannot copy stream");
            touched_ += r.streamLength;
            return;
        }
        qint64 left = r.streamLength, at = r.streamAt;
        while (left > 0) {
            const QByteArray chunk = readAt(at, std::min<qint64>(left, 1 << 20));
            if (chunk.isEmpty() || out.write(chunk) != chunk.size()) fail("cannot copy stream");
            at += chunk.size();
            left -= chunk.size();
        }
    }
    // A copy of a stream's data.
    QByteArray streamData(const Read& r) {
        const QByteArray data = readAt(r.streamAt, r.streamLength);
        touched_ += r.streamLength;
        return QByteArray(data.constData(), data.size());
    }

    static const Obj& dict(const Obj& o) {
        if (o.kind != Obj::Kind::Dict) fail("dictionary expected");
        return o;
    }

private:
    // Object num as read, and where its stream's data is when streams is
    // set; without it, what follows the value is not looked at.
    Read readObject(int num, bool streams) {
        if (num <= 0 || num >= int(offsets_.size()) || offsets_[size_t(num)] < 0) fail("no such object");
        // Now and then the system takes back the memory of the part read so
        // far: the part stays mapped, and what is read again comes from the
        // file's cache. A long file is joined without holding its parts whole.
        if (map_ && touched_ > kTouchedBetweenLoosening) {
            touched_ = 0;
            madvise(const_cast<char*>(map_), size_t(size_), MADV_DONTNEED);
        }
        const qint64 at = offsets_[size_t(num)];
        for (qint64 window = map_ ? size_ - at : 4096;; window *= 4) {
            const QByteArray text = readAt(at, std::min(window, size_ - at));
            try {
                Parser p(text, 0);
                if (p.word().toInt() != num) fail("object not where its table says");
                p.word();
                if (p.word() != "obj") fail("broken object");
                Read r;
                r.value = p.value();
                touched_ += std::max<qint64>(p.pos(), kPageBytes);  // a page of memory at least
                if (streams && p.word() == "stream") {
                    qsizetype i = p.pos();
                    if (i < text.size() && text[i] == '\r') ++i;
                    if (i >= text.size()) throw Parser::Short{};
                    if (text[i] != '\n') fail("broken stream");
                    r.streamAt = at + i + 1;
                    const Obj* len = r.value.get("/Length");
                    if (!len) fail("stream without length");
                    // A length kept in an object of its own is a number
                    // there: that object's own stream, if it had one, is not
                    // measured (a length naming its own stream's object, or
                    // two naming each other, would be measured without end).
                    r.streamLength = number(len->kind == Obj::Kind::Ref ? readObject(len->ref, false).value : *len);
                    if (r.streamLength < 0 || r.streamAt + r.streamLength > size_) fail("stream past the file's end");
                }
                return r;
            } catch (const Parser::Short&) {
                if (at + window >= size_) fail("object cut short");
            }
        }
    }

    static qint64 number(const Obj& o) {
        bool ok = false;
        const qint64 n = o.kind == Obj::Kind::Token ? o.text.toLongLong(&ok) : 0;
        if (!ok) fail("number expected");
        return n;
    }

    // The objects of a page lie together, and the pages are taken in order:
    // they are read from a block of the file held, not each from the file.
    static constexpr qint64 kBlock = 256 * 1024;

    // The bytes at, which stand until the part is closed.
    QByteArray readAt(qint64 at, qint64 length) {
        if (at < 0 || length < 0 || at + length > size_) fail("cannot read part");
        if (map_) return QByteArray::fromRawData(map_ + at, length);
        if (length > kBlock / 2) return readFile(at, length);
        Block* hit = nullptr;
        Block* oldest = &blocks_.front();
        for (Block& b : blocks_) {
            if (b.at >= 0 && at >= b.at && at + length <= b.at + b.data.size()) {
                hit = &b;
                break;
            }
            if (b.used < oldest->used) oldest = &b;
        }
        if (!hit) {
            hit = oldest;
            hit->at = at;
            hit->data = readFile(at, std::min(kBlock, size_ - at));
        }
        hit->used = ++reads_;
        return QByteArray(hit->data.constData() + (at - hit->at), length);
    }

    QByteArray readFile(qint64 at, qint64 length) {
        if (!file_.seek(at)) fail("cannot read part");
        QByteArray b = file_.read(length);
        if (b.size() != length) fail("cannot read part");
        return b;
    }

    void readXref(qint64 at) {
        if (at <= 0 || at >= size_) fail("broken startxref");
        const QByteArray text = readAt(at, size_ - at);
        Parser p(text, 0);
        if (p.word() != "xref") fail("no cross-reference table");
        for (;;) {
            const QByteArray w = p.word();
            if (w == "trailer") break;
            bool ok1 = false, ok2 = false;
            const int first = w.toInt(&ok1), count = p.word().toInt(&ok2);
            if (!ok1 || !ok2 || first < 0 || count < 0 || first > 10'000'000 || count > 10'000'000)
                fail("broken cross-reference table");
            if (offsets_.size() < size_t(first + count)) offsets_.resize(size_t(first + count), -1);
            for (int k = 0; k < count; ++k) {
                bool ok = false;
                const qint64 off = p.word().toLongLong(&ok);
                p.word();
                const QByteArray kind = p.word();
                if (!ok || (kind != "n" && kind != "f")) fail("broken cross-reference entry");
                offsets_[size_t(first + k)] = kind == "n" ? off : -1;
            }
        }
        try {
            trailer_ = p.value();
        } catch (const Parser::Short&) {
            fail("broken trailer");
        }
        dict(trailer_);
        if (trailer_.get("/Prev")) fail("updated files are not parts");
    }

    // Attributes a page inherits from the page tree.
    static constexpr const char* kInheritable[] = {"/Resources", "/MediaBox", "/CropBox", "/Rotate"};

    void collect(int node, Obj inherit, std::vector<int>& out, int depth) {
        if (depth > 64 || treeNodes_.count(node)) fail("page tree loops");
        Obj d = dict(read(node).value);
        const Obj* type = d.get("/Type");
        if (type && type->text == "/Page") {
            inherited_[node] = std::move(inherit);
            out.push_back(node);
            return;
        }
        treeNodes_.insert({node, true});
        for (const char* key : kInheritable)
            if (const Obj* v = d.get(key)) inherit.set(key, *v);
        inherit.kind = Obj::Kind::Dict;
        const Obj* kids = d.get("/Kids");
        if (!kids || kids->kind != Obj::Kind::Array) fail("page tree without kids");
        for (const Obj& k : kids->items) {
            if (k.kind != Obj::Kind::Ref) fail("page tree kid not a reference");
            collect(k.ref, inherit, out, depth + 1);
        }
    }

    QFile file_;
    qint64 size_ = 0;
    const char* map_ = nullptr;  // the whole part, where it could be mapped
    qint64 touched_ = 0;          // bytes read from the mapping since it was last loosened
    // The parts of the file read last: a page's objects lie together, and
    // the page painted over it lies after the part's own pages.
    struct Block {
        qint64 at = -1;
        QByteArray data;
        quint64 used = 0;
    };
    std::array<Block, 4> blocks_;
    quint64 reads_ = 0;
    QByteArray version_;
    std::vector<qint64> offsets_;
    Obj trailer_;
    std::map<int, Obj> inherited_;
    std::map<int, bool> treeNodes_;
};

// The joined file, written object by object.
class Writer {
public:
    explicit Writer(const QString& path) : file_(path) {
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) fail("cannot write the joined file");
        offsets_.push_back(0);  // object 0 is never used
    }
    QFile& file() { return file_; }
    int reserve() {
        offsets_.push_back(-1);
        return int(offsets_.size()) - 1;
    }
    void raw(const QByteArray& b) {
        if (file_.write(b) != b.size()) fail("cannot write the joined file");
    }
    // Starts object num; its value follows, then end().
    void begin(int num) {
        offsets_[size_t(num)] = file_.pos();
        raw(QByteArray::number(num) + " 0 obj\n");
    }
    void object(int num, const QByteArray& value) {
        begin(num);
        raw(value + "\nendobj\n");
    }
    void stream(int num, const QByteArray& dict, const QByteArray& data) {
        begin(num);
        raw(dict + "\nstream\n");
        raw(data);
        raw("\nendstream\nendobj\n");
    }
    void finish(int root, int info) {
        const qint64 xref = file_.pos();
        QByteArray x = "xref\n0 " + QByteArray::number(qsizetype(offsets_.size())) + "\n0000000000 65535 f \n";
        for (size_t k = 1; k < offsets_.size(); ++k) {
            if (offsets_[k] < 0) fail("an object was not written");
            x += QByteArray::number(offsets_[k]).rightJustified(10, '0') + " 00000 n \n";
        }
        x += "trailer\n<<\n/Size " + QByteArray::number(qsizetype(offsets_.size())) + "\n/Root " +
             QByteArray::number(root) + " 0 R\n";
        if (info > 0) x += "/Info " + QByteArray::number(info) + " 0 R\n";
        x += ">>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        raw(x);
        if (!file_.flush()) fail("cannot write the joined file");
        file_.close();
    }

private:
    QFile file_;
    std::vector<qint64> offsets_;
};

// A part being copied: its objects' numbers in the joined file.
struct Part {
    explicit Part(const QString& path) : source(path), number(size_t(source.objectCount()), 0) {}
    Source source;
    std::vector<int> number;  // 0: not copied yet
    std::vector<int> pages;
    bool paged = false;
};

class Joiner {
public:
    explicit Joiner(const QString& out) : w_(out) {}

    Writer& writer() { return w_; }
    int treeRoot() {
        if (!tree_) tree_ = w_.reserve();
        return tree_;
    }

    // The joined file's number of the part's object; the object is copied
    // when the page that reaches it is done. The page tree is the joined
    // file's; a page is reached only from the page list.
    int renumber(Part& part, int old) {
        if (old <= 0 || old >= int(part.number.size())) return 0;
        if (part.source.isTreeNode(old)) return treeRoot();
        int& n = part.number[size_t(old)];
        if (n == 0) {
            n = w_.reserve();
            waiting_.push_back({&part, old});
        }
        return n;
    }
    std::function<int(int)> numbering(Part& part) {
        return [this, &part](int old) { return renumber(part, old); };
    }

    // Copies the objects reached and not yet written.
    void copyWaiting() {
        while (!waiting_.empty()) {
            auto [part, old] = waiting_.back();
            waiting_.pop_back();
            const Read r = part->source.read(old);
            const int n = part->number[size_t(old)];
            QByteArray text;
            serialize(r.value, text, numbering(*part));
            if (r.streamAt < 0) {
                w_.object(n, text);
                continue;
            }
            w_.begin(n);
            w_.raw(text + "\nstream\n");
            part->source.copyStream(r, w_.file());
            w_.raw("\nendstream\nendobj\n");
        }
    }

private:
    Writer w_;
    int tree_ = 0;
    std::vector<std::pair<Part*, int>> waiting_;
};

// A page's dictionary with what it inherits written into it.
Obj pageDict(Source& s, int page) {
    Obj d = Source::dict(s.read(page).value);
    for (const auto& [k, v] : s.inherited(page).keys)
        if (!d.get(k.constData())) d.set(k, v);
    d.remove("/Parent");
    return d;
}

std::vector<int>& pagesOf(Part& p) {
    if (!p.paged) {
        p.pages = p.source.pages();
        p.paged = true;
    }
    return p.pages;
}

// A value that may be a reference, resolved.
Obj resolved(Source& s, const Obj& o) { return o.kind == Obj::Kind::Ref ? s.read(o.ref).value : o; }

// The part a page's overlay is taken from.
int overlayPart(const JoinedPage& p) { return p.overlayPart < 0 ? p.part : p.overlayPart; }

// The parts used are read, their cross-references and page trees, side by
// side, each on a thread of its own; a part no page uses is left unread.
std::vector<std::unique_ptr<Part>> readParts(const QStringList& parts, const std::vector<JoinedPage>& pages) {
    std::vector<std::unique_ptr<Part>> read(size_t(parts.size()));
    for (const JoinedPage& p : pages)
        if (p.part < 0 || p.part >= int(read.size()) || (p.overlay >= 0 && overlayPart(p) >= int(read.size())))
            fail("no such part");
    std::vector<char> used(read.size(), 0);
    for (const JoinedPage& p : pages) {
        used[size_t(p.part)] = 1;
        if (p.overlay >= 0) used[size_t(overlayPart(p))] = 1;
    }
    std::vector<size_t> reading;
    for (size_t k = 0; k < read.size(); ++k)
        if (used[k]) reading.push_back(k);
    parallel::forEach(reading.size(), [&](size_t i) {
        const size_t k = reading[i];
        auto part = std::make_unique<Part>(parts[qsizetype(k)]);
        pagesOf(*part);
        read[k] = std::move(part);
    });
    return read;
}

// What the pages painted over share: the overlay's form per overlay page,
// and the streams that keep a page's own drawing apart from what is painted
// over it. Each is written the first time it is asked for.
class Overlays {
public:
    explicit Overlays(Joiner& j) : j_(j) {}

    // The overlay page as a form: its drawing and resources, on its paper.
    int form(Part& overFrom, int part, int overlay) {
        const auto found = forms_.find({part, overlay});
        if (found != forms_.end()) return found->second;
        const Obj o = pageDict(overFrom.source, pagesOf(overFrom)[size_t(overlay)]);
        const Obj* contents = o.get("/Contents");
        if (!contents || contents->kind != Obj::Kind::Ref) fail("overlay page without one content stream");
        const Read content = overFrom.source.read(contents->ref);
        if (content.streamAt < 0) fail("overlay page without one content stream");
        Obj fd = Source::dict(content.value);
        fd.remove("/Length");
        fd.set("/Type", Obj::token("/XObject"));
        fd.set("/Subtype", Obj::token("/Form"));
        if (const Obj* box = o.get("/MediaBox")) fd.set("/BBox", *box);
        if (const Obj* res = o.get("/Resources")) fd.set("/Resources", *res);
        const QByteArray data = overFrom.source.streamData(content);
        fd.set("/Length", Obj::token(QByteArray::number(data.size())));
        QByteArray text;
        serialize(fd, text, j_.numbering(overFrom));
        const int n = j_.writer().reserve();
        j_.writer().stream(n, text, data);
        j_.copyWaiting();
        forms_.emplace(std::pair(part, overlay), n);
        return n;
    }
    // The stream that saves the graphics state before the page's own drawing.
    int saveState() {
        if (!saveState_) {
            saveState_ = j_.writer().reserve();
            j_.writer().stream(saveState_, "<< /Length 2 >>", "q\n");
        }
        return saveState_;
    }
    // The stream that restores it after the page's own drawing and paints
    // the form of that name.
    int restoreAndPaint(const QByteArray& name) {
        int& paint = restoreAndPaint_[name];
        if (!paint) {
            const QByteArray data = "\nQ\nq\n1 0 0 1 0 0 cm\n" + name + " Do\nQ\n";
            paint = j_.writer().reserve();
            j_.writer().stream(paint, "<< /Length " + QByteArray::number(data.size()) + " >>", data);
        }
        return paint;
    }

private:
    Joiner& j_;
    std::map<std::pair<int, int>, int> forms_;  // part and page: form
    int saveState_ = 0;
    std::map<QByteArray, int> restoreAndPaint_;
};

// Names the form in the page's resources with a name of its own, the form
// standing there as the reference -2; the name is returned.
QByteArray nameForm(Source& s, Obj& page) {
    Obj resources = resolved(s, page.get("/Resources") ? *page.get("/Resources") : Obj());
    if (resources.kind != Obj::Kind::Dict) resources = Obj{Obj::Kind::Dict, {}, {}, {}, 0};
    Obj xobjects = resolved(s, resources.get("/XObject") ? *resources.get("/XObject") : Obj());
    if (xobjects.kind != Obj::Kind::Dict) xobjects = Obj{Obj::Kind::Dict, {}, {}, {}, 0};
    QByteArray name = "/Fx";
    for (int n = 0; xobjects.get(name.constData()); ++n) name = "/Fx" + QByteArray::number(n);
    xobjects.set(name, Obj::reference(-2));
    resources.set("/XObject", std::move(xobjects));
    page.set("/Resources", std::move(resources));
    return name;
}

// The page's own contents between the saving stream (the reference -3) and
// the restoring and painting one (-4).
void wrapContents(Obj& page) {
    Obj contents;
    contents.kind = Obj::Kind::Array;
    contents.items.push_back(Obj::reference(-3));
    if (const Obj* own = page.get("/Contents")) {
        if (own->kind == Obj::Kind::Array)
            contents.items.insert(contents.items.end(), own->items.begin(), own->items.end());
        else
            contents.items.push_back(*own);
    }
    contents.items.push_back(Obj::reference(-4));
    page.set("/Contents", std::move(contents));
}

// Writes a page with nothing over it as object num, under the page tree root.
void writePage(Joiner& j, Part& from, Obj page, int num, int root) {
    QByteArray text;
    page.set("/Parent", Obj::reference(-1));
    serialize(page, text, [&](int old) { return old == -1 ? root : j.renumber(from, old); });
    j.writer().object(num, text);
    j.copyWaiting();
}

// Writes a page with its overlay page painted over it as object num.
void writeOverlaidPage(Joiner& j, Overlays& overlays, const JoinedPage& p, Part& from, Part& overFrom, Obj page,
                       int num, int root) {
    if (p.overlay >= int(pagesOf(overFrom).size()) || (&overFrom == &from && p.overlay == p.page))
        fail("no such overlay page");
    const int formNumber = overlays.form(overFrom, overlayPart(p), p.overlay);
    const QByteArray name = nameForm(from.source, page);
    const int saveState = overlays.saveState();
    const int paint = overlays.restoreAndPaint(name);
    wrapContents(page);
    page.set("/Parent", Obj::reference(-1));
    QByteArray text;
    serialize(page, text, [&](int old) {
        switch (old) {
        case -1: return root;
        case -2: return formNumber;
        case -3: return saveState;
        case -4: return paint;
        default: return j.renumber(from, old);
        }
    });
    j.writer().object(num, text);
    j.copyWaiting();
}

// Writes the page tree as object root and the catalog after it; the
// catalog's number is returned.
int writeTreeAndCatalog(Joiner& j, int root, const std::vector<int>& kids) {
    QByteArray tree = "<<\n/Type /Pages\n/Count " + QByteArray::number(qsizetype(kids.size())) + "\n/Kids [";
    for (size_t k = 0; k < kids.size(); ++k) tree += (k % 8 ? " " : "\n") + QByteArray::number(kids[k]) + " 0 R";
    tree += "\n]\n>>";
    j.writer().object(root, tree);
    const int catalog = j.writer().reserve();
    j.writer().object(catalog, "<<\n/Type /Catalog\n/Pages " + QByteArray::number(root) + " 0 R\n>>");
    return catalog;
}

// Copies the first part's document information; its number, 0 where it
// has none.
int writeInfo(Joiner& j, Part& first) {
    const Obj* i = first.source.trailer().get("/Info");
    if (!i) return 0;
    const Obj value = resolved(first.source, *i);
    if (value.kind != Obj::Kind::Dict) return 0;
    QByteArray text;
    serialize(value, text, j.numbering(first));
    const int info = j.writer().reserve();
    j.writer().object(info, text);
    j.copyWaiting();
    return info;
}

}  // namespace

void joinParts(const QStringList& parts, const std::vector<JoinedPage>& pages, const QString& out) {
    try {
        if (pages.empty()) fail("no pages");
        const std::vector<std::unique_ptr<Part>> read = readParts(parts, pages);
        auto part = [&](int k) -> Part& { return *read[size_t(k)]; };
        Part& first = part(pages.front().part);

        Joiner j(out);
        j.writer().raw(first.source.header() + "\n%\xE2\xE3\xCF\xD3\n");
        const int root = j.treeRoot();
        Overlays overlays(j);
        std::vector<int> kids;
        kids.reserve(pages.size());
        for (const JoinedPage& p : pages) {
            Part& from = part(p.part);
            const auto& list = pagesOf(from);
            if (p.page < 0 || p.page >= int(list.size())) fail("no such page");
            Obj page = pageDict(from.source, list[size_t(p.page)]);
            const int num = j.writer().reserve();
            kids.push_back(num);
            if (p.overlay < 0)
                writePage(j, from, std::move(page), num, root);
            else
                writeOverlaidPage(j, overlays, p, from, part(overlayPart(p)), std::move(page), num, root);
        }
        const int catalog = writeTreeAndCatalog(j, root, kids);
        j.writer().finish(catalog, writeInfo(j, first));
    } catch (const JoinError&) {
        throw;
    } catch (const std::exception& e) {
        throw JoinError(e.what());
    }
}

}  // namespace report::pdf
