// BADLIST.TXT of any bytes: read into the screened words as every generation run reads it.
#include "fuzz/fuzz_input.h"
#include "generate/bad_word_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    (void)fuzz::inputFile(kBadListFileName, fuzz::bytesOf(data, size));
    (void)upCasedBadWords(GetBadList(fuzz::scratchFolder()));
    return 0;
}
