#include "layout/shape_list.h"

#include <algorithm>

#include "common/text_rules.h"
#include "layout/shape_transfer.h"

namespace qm {
namespace {

constexpr std::size_t kCopyNameLimit = 50;

}  // namespace

std::string shapeEntryText(std::string_view name, int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height) + " " + std::string(name);
}

std::string shapeEntryText(const ShapeRecord& shape)
{
    return shapeEntryText(shape.Name.view(), shape.usedWidth(), shape.usedHeight());
}

bool ShapeList::LoadInLayouts()
{
    std::vector<ListedEntry> entries;
    if (m_puzzleShape) {
        entries.push_back({shapeEntryText(*m_puzzleShape), CurrentPuzzleTag});
        m_current = *m_puzzleShape;
    }
    // A shape file that cannot be opened simply lists nothing.
    if (auto headings = m_file.ListShapes()) {
        for (std::size_t i = 0; i < headings->size(); ++i) {
            const ShapeHeading& heading = (*headings)[i];
            entries.push_back({shapeEntryText(heading.Name, heading.Width, heading.Height), static_cast<int>(i)});
        }
    }
    setEntries(std::move(entries));
    if (empty()) return false;
    if (m_puzzleShape)
        SetShapeBoxIndex(CurrentPuzzleTag);
    else if (m_lastShape)
        SetShapeBoxIndex(*m_lastShape);
    else
        select(0);
    return true;
}

Status ShapeList::LoadALayout()
{
    const ListedEntry* entry = selectedEntry();
    if (!entry) return {};
    if (entry->tag == CurrentPuzzleTag && m_puzzleShape) {
        m_current = *m_puzzleShape;
        return {};
    }
    auto shape = m_file.ReadShape(entry->tag);
    if (!shape) return shape.failure();
    m_current = *shape;
    if (m_lastShape) *m_lastShape = entry->tag;
    return {};
}

bool ShapeList::canModifyOrDelete() const
{
    const ListedEntry* entry = selectedEntry();
    return entry && entry->tag != CurrentPuzzleTag;
}

std::string ShapeList::deleteQuestion() const
{
    const ListedEntry* entry = selectedEntry();
    return "Are you sure you want to delete \"" + (entry ? entry->text : std::string()) + "\"?";
}

ShapeOutcome ShapeList::DeleteALayout()
{
    if (!canModifyOrDelete()) return ShapeOutcome::refused(ShapeMessages::NoShapeSelected);
    const int position = selectedPosition();
    if (auto removed = m_file.DeleteShape(selectedEntry()->tag); !removed)
        return ShapeOutcome::fromFailure(removed.failure(), ShapeMessages::CannotDelete);
    if (!LoadInLayouts()) return ShapeOutcome::done();
    select(std::min(position, static_cast<int>(entries().size()) - 1));
    if (auto loaded = LoadALayout(); !loaded) return ShapeOutcome::failed(loaded.failure());
    return ShapeOutcome::done();
}

ShapeOutcome ShapeList::ExportLayout(const std::filesystem::path& exchangeFile)
{
    if (!selectedEntry()) return ShapeOutcome::refused(ShapeMessages::NoShapeSelected);
    if (auto loaded = LoadALayout(); !loaded) return ShapeOutcome::failed(loaded.failure());
    return exportShape(m_current, exchangeFile);
}

ShapeOutcome ShapeList::ImportLayout(const std::filesystem::path& exchangeFile)
{
    ShapeImport imported = importShape(m_file, exchangeFile);
    if (imported.shape) m_current = *imported.shape;
    if (!imported.outcome.ok()) return imported.outcome;
    addEntry({shapeEntryText(m_current), imported.index});
    SetShapeBoxIndex(imported.index);
    // The imported shape is now the chosen one, as if it had been loaded from its entry.
    if (m_lastShape) *m_lastShape = imported.index;
    return ShapeOutcome::done();
}

ShapeRecord ShapeList::copyOfCurrentShape() const
{
    ShapeRecord copy = m_current;
    copy.Name.assign(MakeCopyName(m_current.Name.view(), kCopyNameLimit));
    return copy;
}

Status ShapeList::refreshAfterSave(int savedIndex)
{
    LoadInLayouts();
    SetShapeBoxIndex(savedIndex);
    return LoadALayout();
}

}  // namespace qm
