#include "output/page/paper_size.h"

#include <utility>

namespace qm {
namespace {

constexpr double kMillimetre = 1 / 25.4;

}  // namespace

PaperCode paperCodeForName(std::string_view name)
{
    static constexpr std::pair<std::string_view, PaperCode> kNames[] = {
        {"Letter", PaperCode::Letter}, {"Legal", PaperCode::Legal}, {"A4", PaperCode::A4},
        {"A5", PaperCode::A5},         {"B5", PaperCode::B5},       {"Executive", PaperCode::Executive},
    };
    for (const auto& [paperName, code] : kNames)
        if (paperName == name) return code;
    return PaperCode::Custom;
}

std::optional<PaperSize> standardPaperSize(PaperCode code)
{
    switch (code) {
    case PaperCode::Letter:
        return PaperSize{8.5, 11};
    case PaperCode::Legal:
        return PaperSize{8.5, 14};
    case PaperCode::Executive:
        return PaperSize{7.25, 10.5};
    case PaperCode::A4:
        return PaperSize{210 * kMillimetre, 297 * kMillimetre};
    case PaperCode::A5:
        return PaperSize{148 * kMillimetre, 210 * kMillimetre};
    case PaperCode::B5:
        return PaperSize{182 * kMillimetre, 257 * kMillimetre};
    case PaperCode::Custom:
        break;
    }
    return std::nullopt;
}

PaperSize orientedPaperSize(PaperSize portrait, Orientation orientation)
{
    if (orientation == Orientation::Portrait) return portrait;
    return {portrait.height, portrait.width};
}

}  // namespace qm
