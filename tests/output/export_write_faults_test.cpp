// The exports of the page with every file operation failing in turn: a file the user exported
// before is either kept whole or replaced whole, never left half written.
#include <vector>

#include <gtest/gtest.h>

#include "metafile_fixtures.h"
#include "output/export/html_export.h"
#include "output/export/jpeg_writer.h"
#include "output/export/plain_text_export.h"
#include "output/metafile/metafile_export.h"
#include "render_fixtures.h"
#include "support/file_fault_sweep.h"

namespace qm {
namespace {

using test::WriteOperation;
using test::writeOutcomeOf;

TEST(ExportWriteFaults, EveryExportReplacesItsFileWholeOrNotAtAll)
{
    test::TempDir dir;
    const PageFile page = test::smallPage();
    auto record = test::pageRecord();
    test::setGrid(*record, {"CAT", "DOG", "PIG"});
    const std::vector<std::uint8_t> pixels(2 * 2 * 3, 0x80);
    const RgbRows picture{2, 2, 6, pixels};

    const auto previous = [&](const std::filesystem::path& file) {
        return [file] { test::writeFile(file, "an export of last week"); };
    };
    const std::vector<WriteOperation> operations{
        {"wmf", previous(dir / "page.wmf"),
         [&](const FileFaults& faults) {
             return writeOutcomeOf(SaveMetafile(page, MetafileKind::Wmf, dir / "page.wmf", faults));
         },
         dir / "page.wmf"},
        {"emf", previous(dir / "page.emf"),
         [&](const FileFaults& faults) {
             return writeOutcomeOf(SaveMetafile(page, MetafileKind::Emf, dir / "page.emf", faults));
         },
         dir / "page.emf"},
        {"jpeg", previous(dir / "page.jpg"),
         [&](const FileFaults& faults) { return writeOutcomeOf(SaveJpeg(picture, 50, dir / "page.jpg", faults)); },
         dir / "page.jpg"},
        {"html", previous(dir / "page.html"),
         [&](const FileFaults& faults) {
             return writeOutcomeOf(SaveHtmlPage(HtmlSettings{}, dir / "page.html", faults));
         },
         dir / "page.html"},
        {"text", previous(dir / "page.txt"),
         [&](const FileFaults& faults) {
             return writeOutcomeOf(SavePlainTextPuzzle(*record, PrintOptions{}, dir / "page.txt", faults));
         },
         dir / "page.txt"},
    };
    for (const WriteOperation& operation : operations) test::expectEveryFaultKeepsOldOrNew(operation);
}

}  // namespace
}  // namespace qm
