#include "book/book_composer.h"

#include <memory>

#include "book/book_pages.h"
#include "output/page/page_renderer.h"
#include "output/page/page_setup.h"
#include "output/page/recording_target.h"
#include "output/page/render_messages.h"
#include "output/print/print_options.h"

namespace qm {
namespace {

class BookMaker {
public:
    BookMaker(const CollectionFile& collection, const BookRequest& request, const TextMetrics& metrics,
              RandomSource& random, PageSink& sink, MadeBook& book)
        : m_collection(collection),
          m_request(request),
          m_metrics(metrics),
          m_random(random),
          m_sink(sink),
          m_book(book)
    {
    }

    // False when the user stopped the book.
    Result<bool> make(const PageLayoutRecord& bookSheet, int linesPerPage)
    {
        m_bookSheet = &bookSheet;
        const BookPlan& plan = m_book.plan;
        std::vector<ContentsLine> contents;
        for (std::size_t k = 0; k < m_book.selection.puzzles.size(); ++k)
            contents.push_back({m_book.selection.puzzles[k].title, plan.puzzlePages[k]});
        contents.push_back({kAnswersHeading, plan.firstKeyPage()});
        for (int page = 0; page < plan.contentsPages; ++page) {
            const std::size_t first = static_cast<std::size_t>(page * linesPerPage);
            const std::size_t count = std::min(contents.size() - first, static_cast<std::size_t>(linesPerPage));
            auto added = addPage(
                [&](RecordingTarget& target) { DrawContentsPage(target, std::span(contents).subspan(first, count)); });
            if (!added || !*added) return added;
        }
        for (const BookPuzzle& puzzle : m_book.selection.puzzles) {
            auto added = addPuzzlePage(puzzle);
            if (!added || !*added) return added;
        }
        const std::size_t keysPerPage = static_cast<std::size_t>(m_request.choice.KeysPerPage);
        for (std::size_t first = 0; first < m_book.selection.puzzles.size(); first += keysPerPage) {
            auto added = addKeyPage(first, keysPerPage);
            if (!added || !*added) return added;
        }
        return true;
    }

private:
    // Draws one page with draw, numbers it, and hands it on.
    template <typename Draw>
    Result<bool> addPage(Draw draw, const PageLayoutRecord* sheet = nullptr)
    {
        RecordingTarget target(m_metrics);
        SetUpPage(target, sheet ? *sheet : *m_bookSheet);
        draw(target);
        ++m_pagesDone;
        if (m_request.choice.PageNumbers) DrawPageNumber(target, m_pagesDone);
        if (Status added = m_sink.addPage(target.page()); !added) return added.failure();
        return !m_request.pageDone || m_request.pageDone(m_pagesDone, m_book.plan.pageCount);
    }

    Result<std::unique_ptr<PuzzleRecord>> read(const BookPuzzle& puzzle) const
    {
        return m_collection.ReadPuzzle(puzzle.recordIndex);
    }

    Result<bool> addPuzzlePage(const BookPuzzle& puzzle)
    {
        auto record = read(puzzle);
        if (!record) return record.failure();
        const PuzzleRecord& stored = **record;
        const PrintOptions options = m_request.optionsFor(stored.Layout);
        return addPage(
            [&](RecordingTarget& target) {
                const auto rendered = RenderPage(stored, options, target, m_random);
                for (const std::string& warning : renderWarnings(rendered))
                    m_book.warnings.push_back(puzzle.title + ": " + warning);
            },
            &stored.Layout);
    }

    Result<bool> addKeyPage(std::size_t first, std::size_t keysPerPage)
    {
        const auto& puzzles = m_book.selection.puzzles;
        std::vector<std::unique_ptr<PuzzleRecord>> records;
        std::vector<KeyOnPage> keys;
        for (std::size_t k = first; k < puzzles.size() && k < first + keysPerPage; ++k) {
            auto record = read(puzzles[k]);
            if (!record) return record.failure();
            records.push_back(std::move(*record));
            keys.push_back(
                {records.back().get(), m_request.optionsFor(records.back()->Layout), m_book.plan.puzzlePages[k]});
        }
        return addPage([&](RecordingTarget& target) { DrawKeyPage(target, keys, m_request.choice.KeysPerPage); });
    }

    const CollectionFile& m_collection;
    const BookRequest& m_request;
    const TextMetrics& m_metrics;
    RandomSource& m_random;
    PageSink& m_sink;
    MadeBook& m_book;
    const PageLayoutRecord* m_bookSheet = nullptr;
    int m_pagesDone = 0;
};

}  // namespace

PrintOptions bookPageOptions(const PrintOptions& chosen, const PageLayoutRecord& layout)
{
    PrintOptions options = chosen;
    ApplyLayoutOptions(options, layout);
    options.AnswerKey = false;
    return options;
}

Outcome<MadeBook> composeBook(const CollectionFile& collection, const BookRequest& request, const TextMetrics& metrics,
                              RandomSource& random, PageSink& sink)
{
    auto selection = selectBookPuzzles(collection, request.choice);
    if (!selection) return Outcome<MadeBook>::failed(selection.failure());
    MadeBook book;
    book.selection = std::move(*selection);
    if (book.selection.puzzles.empty()) {
        Outcome<MadeBook> empty = Outcome<MadeBook>::refused({kEmptyBook, kBookCaption});
        empty.value = std::move(book);
        return empty;
    }
    auto first = collection.ReadPuzzle(book.selection.puzzles.front().recordIndex);
    if (!first) return Outcome<MadeBook>::failed(first.failure());
    const PageLayoutRecord bookSheet = (*first)->Layout;

    // The number of contents pages depends on the sheet; the plan is made once that is known.
    RecordingTarget sheet(metrics);
    SetUpPage(sheet, bookSheet);
    const int linesPerPage = contentsLinesPerPage(sheet.pageHeight());
    book.plan = planBook(static_cast<int>(book.selection.puzzles.size()), request.choice.KeysPerPage,
                         request.choice.ContentsPage, linesPerPage);

    BookMaker maker(collection, request, metrics, random, sink, book);
    auto made = maker.make(bookSheet, linesPerPage);
    if (!made) return Outcome<MadeBook>::failed(made.failure());
    return *made ? Outcome<MadeBook>::done(std::move(book)) : Outcome<MadeBook>::cancelled(std::move(book));
}

Outcome<MadeBook> writeBook(const CollectionFile& collection, const BookRequest& request, const TextMetrics& metrics,
                            RandomSource& random, PageDocument& document)
{
    auto outcome = composeBook(collection, request, metrics, random, document);
    if (outcome.ok())
        if (Status finished = document.finish(); !finished) return Outcome<MadeBook>::failed(finished.failure());
    return outcome;
}

}  // namespace qm
