// The page layout file QZFPAGE.DAT and a .PAG exchange file of any bytes: listed, read whole,
// and taken up as the layout of a new puzzle.
#include "fuzz/fuzz_input.h"
#include "layout/page_layout_exchange_file.h"
#include "layout/page_layout_file.h"
#include "layout/page_layout_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const PageLayoutFile file(fuzz::inputFile(kPageLayoutFileName, bytes));
    if (auto headings = file.ListRecords()) {
        for (const PageLayoutHeading& heading : *headings) (void)pageLayoutEntryText(heading, false);
        const int count = static_cast<int>(headings->size());
        for (int index = 0; index < count && index < fuzz::kRecordsReadWhole; ++index)
            if (auto layout = file.ReadRecord(index)) (void)pageLayoutEntryText(*layout, index == 0);
    }
    (void)LoadPageLayout(fuzz::scratchFolder(), 1);
    if (auto layout = readPageLayoutExchangeFile(fuzz::inputFile("LAYOUT.PAG", bytes)))
        (void)pageLayoutEntryText(*layout, true);
    return 0;
}
