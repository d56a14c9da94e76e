#include "layout/shape_transfer.h"

#include "layout/shape_exchange_file.h"

namespace qm {

ShapeOutcome exportShape(const ShapeRecord& shape, const std::filesystem::path& exchangeFile)
{
    if (auto written = writeShapeExchangeFile(exchangeFile, shape); !written)
        return ShapeOutcome::fromFailure(written.failure(), ShapeMessages::CannotExport);
    return ShapeOutcome::done();
}

ShapeImport importShape(ShapeFile shapes, const std::filesystem::path& exchangeFile)
{
    ShapeImport result;
    auto read = readShapeExchangeFile(exchangeFile);
    if (!read) {
        const Failure& failure = read.failure();
        result.outcome = failure.kind == FailureKind::BadContent
                             ? ShapeOutcome::refused(ShapeMessages::CorruptImport)
                             : ShapeOutcome::fromFailure(failure, ShapeMessages::CannotImport);
        return result;
    }
    result.shape = *read;
    auto appended = shapes.AppendShape(*read);
    if (!appended) {
        result.outcome = ShapeOutcome::fromFailure(appended.failure(), ShapeMessages::CannotAdd);
        return result;
    }
    result.index = *appended;
    return result;
}

}  // namespace qm
