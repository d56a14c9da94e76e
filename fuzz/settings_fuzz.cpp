// QMAZE3.INI of any bytes: loaded as at start-up and written back as on closing.
#include "app/settings.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    (void)fuzz::inputFile(kSettingsFileName, fuzz::bytesOf(data, size));
    const Settings settings = LoadSettings(fuzz::scratchFolder());
    (void)settingsFileText(settings, fuzz::scratchFolder());
    return 0;
}
