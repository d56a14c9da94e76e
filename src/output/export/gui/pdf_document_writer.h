// A PDF file of one page or many, each of its own sheet size, fonts embedded and text
// selectable. Pages are written out as they are added; the file replaces the target only when
// finished, so a failed or abandoned document leaves the old file (or none) behind.
#pragma once

#include <filesystem>
#include <memory>

#include "common/result.h"
#include "output/page/page_sink.h"

namespace qm {

class PdfDocumentWriter final : public PageDocument {
public:
    static Result<std::unique_ptr<PdfDocumentWriter>> create(const std::filesystem::path& target);
    ~PdfDocumentWriter() override;

    Status addPage(const PageFile& page) override;
    // Ends the document and puts it in place; a document of no pages is not written.
    Status finish() override;

private:
    struct Document;
    explicit PdfDocumentWriter(std::unique_ptr<Document> document);

    std::unique_ptr<Document> m_document;
};

}  // namespace qm
