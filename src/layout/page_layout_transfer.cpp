#include "layout/page_layout_transfer.h"

#include "layout/page_layout_exchange_file.h"
#include "layout/page_layout_messages.h"

namespace qm {

namespace M = PageLayoutMessages;

CommandOutcome exportPageLayout(const PageLayoutRecord& layout, const std::filesystem::path& exchangeFile)
{
    if (auto written = writePageLayoutExchangeFile(exchangeFile, layout); !written)
        return CommandOutcome::fromFailure(written.failure(), M::CannotExport);
    return CommandOutcome::done();
}

PageLayoutAddition addPageLayout(PageLayoutFile layouts, const PageLayoutRecord& layout)
{
    PageLayoutAddition result;
    result.layout = layout;
    auto appended = layouts.AppendLayout(layout);
    if (!appended)
        result.outcome = CommandOutcome::fromFailure(appended.failure(), M::CannotAdd);
    else
        result.index = *appended;
    return result;
}

PageLayoutAddition importPageLayout(PageLayoutFile layouts, const std::filesystem::path& exchangeFile)
{
    auto read = readPageLayoutExchangeFile(exchangeFile);
    if (read) return addPageLayout(std::move(layouts), *read);
    PageLayoutAddition result;
    const Failure& failure = read.failure();
    result.outcome = failure.kind == FailureKind::BadContent ? CommandOutcome::refused(M::CorruptImport)
                                                             : CommandOutcome::fromFailure(failure, M::CannotImport);
    return result;
}

}  // namespace qm
