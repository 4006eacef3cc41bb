#include "platform/report/pdfjoin.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFile>
#include <memory>

namespace report::pdf {

namespace {

std::unique_ptr<QPDF> readPdf(const QString& file) {
    auto pdf = std::make_unique<QPDF>();
    // A part is a file just written here: one that needs mending is not taken.
    pdf->setAttemptRecovery(false);
    pdf->setSuppressWarnings(true);
    pdf->processFile(QFile::encodeName(file).constData());
    return pdf;
}

// Paints the form of another page over the page, its own content kept
// apart in a saved graphics state.
void overlay(QPDF& out, QPDFPageObjectHelper page, QPDFObjectHandle form) {
    QPDFObjectHandle dict = page.getObjectHandle();
    QPDFObjectHandle resources = dict.getKey("/Resources");
    resources = resources.isDictionary() ? resources.shallowCopy() : QPDFObjectHandle::newDictionary();
    QPDFObjectHandle xobjects = resources.getKey("/XObject");
    xobjects = xobjects.isDictionary() ? xobjects.shallowCopy() : QPDFObjectHandle::newDictionary();
    std::string name = "/Fx";
    for (int n = 0; xobjects.hasKey(name); ++n) name = "/Fx" + std::to_string(n);
    xobjects.replaceKey(name, form);
    resources.replaceKey("/XObject", xobjects);
    dict.replaceKey("/Resources", resources);
    const std::string placed = page.placeFormXObject(form, name, page.getMediaBox().getArrayAsRectangle(), true, false, false);
    page.addPageContents(QPDFObjectHandle::newStream(&out, "q\n"), true);
    page.addPageContents(QPDFObjectHandle::newStream(&out, "\nQ\n" + placed), false);
}

}  // namespace

void joinParts(const QStringList& parts, const std::vector<JoinedPage>& pages, const QString& overlayFile,
               const QString& out) {
    try {
        // A part is read when its first page is taken.
        std::vector<std::unique_ptr<QPDF>> read(size_t(parts.size()));
        std::vector<std::vector<QPDFPageObjectHelper>> partPages(size_t(parts.size()));
        auto part = [&](int k) -> const std::vector<QPDFPageObjectHelper>& {
            if (k < 0 || k >= int(read.size())) throw JoinError("no such part");
            if (!read[size_t(k)]) {
                read[size_t(k)] = readPdf(parts[k]);
                // What a page takes from the page tree goes with the page.
                read[size_t(k)]->pushInheritedAttributesToPage();
                partPages[size_t(k)] = QPDFPageDocumentHelper(*read[size_t(k)]).getAllPages();
            }
            return partPages[size_t(k)];
        };
        std::unique_ptr<QPDF> over;
        std::vector<QPDFPageObjectHelper> overPages;
        if (!overlayFile.isEmpty()) {
            over = readPdf(overlayFile);
            overPages = QPDFPageDocumentHelper(*over).getAllPages();
        }

        QPDF joined;
        joined.emptyPDF();
        QPDFPageDocumentHelper joinedPages(joined);
        for (const JoinedPage& p : pages) {
            const auto& from = part(p.part);
            if (p.page < 0 || p.page >= int(from.size())) throw JoinError("no such page");
            // A page of another file is copied with what it uses; what the
            // pages of one part share is copied once.
            QPDFPageObjectHelper page(joined.copyForeignObject(from[size_t(p.page)].getObjectHandle()));
            joinedPages.addPage(page, false);
            if (p.overlay < 0) continue;
            if (p.overlay >= int(overPages.size())) throw JoinError("no such overlay page");
            overlay(joined, page, joined.copyForeignObject(overPages[size_t(p.overlay)].getFormXObjectForPage()));
        }
        if (pages.empty() || !read.front()) throw JoinError("no pages");
        QPDFObjectHandle info = read.front()->getTrailer().getKey("/Info");
        if (info.isDictionary())
            joined.getTrailer().replaceKey("/Info", joined.makeIndirectObject(joined.copyForeignObject(
                                                         info.isIndirect() ? info : read.front()->makeIndirectObject(info))));

        QPDFWriter writer(joined, QFile::encodeName(out).constData());
        writer.setMinimumPDFVersion(read.front()->getPDFVersion());
        // The pages' streams are taken as they were compressed.
        writer.setObjectStreamMode(qpdf_o_disable);
        writer.write();
    } catch (const JoinError&) {
        throw;
    } catch (const std::exception& e) {
        throw JoinError(e.what());
    }
}

}  // namespace report::pdf
