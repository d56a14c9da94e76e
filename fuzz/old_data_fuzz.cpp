// The data files of the previous version, QZFUPUZZ.DAT and QZFULAY.DAT, of any bytes: converted
// as at start-up into a collection and the shape file, in a folder emptied for each input.
#include "app/old_data_conversion.h"
#include "fuzz/fuzz_input.h"
#include "layout/shape_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const OldDataFolders folders{fuzz::scratchFolder(), fuzz::scratchFolder()};
    (void)fuzz::inputFile(kOldPuzzleFileName, bytes);
    (void)fuzz::inputFile(kOldShapeFileName, bytes);
    (void)convertOldPuzzles(folders, makeBuiltInPageLayout());
    (void)convertOldShapes(folders);
    std::error_code ignored;
    std::filesystem::remove(folders.convertedCollection(), ignored);
    std::filesystem::remove(ShapeFile::inDirectory(folders.programDirectory).path(), ignored);
    return 0;
}
