// The shape file QZFLAY.DAT and a .LAY exchange file of any bytes: listed, read whole, drawn as
// the lists draw them.
#include "fuzz/fuzz_input.h"
#include "layout/shape_exchange_file.h"
#include "layout/shape_file.h"
#include "layout/shape_list.h"
#include "layout/shape_picture.h"

namespace {

void showShape(const qm::ShapeRecord& shape)
{
    (void)qm::shapeEntryText(shape);
    (void)qm::shapeRows(shape, '1', '0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const ShapeFile file(fuzz::inputFile(kShapeFileName, bytes));
    if (auto headings = file.ListRecords()) {
        const int count = static_cast<int>(headings->size());
        for (int index = 0; index < count && index < fuzz::kRecordsReadWhole; ++index)
            if (auto shape = file.ReadRecord(index)) showShape(*shape);
    }
    if (auto shape = readShapeExchangeFile(fuzz::inputFile("SHAPE.LAY", bytes))) showShape(*shape);
    return 0;
}
