#include "layout/page_designer.h"

#include <algorithm>

#include "common/text_rules.h"
#include "layout/page_design_units.h"
#include "layout/page_layout_messages.h"
#include "layout/page_object_edits.h"

namespace qm {
namespace {

PageLayoutRecord newPage()
{
    PageLayoutRecord layout;
    layout.Name.assign("New Page");
    layout.PaperName.assign("Letter");
    layout.PageWidth = 8.5;
    layout.PageHeight = 11;
    layout.Inches = true;
    layout.Portrait = true;
    return layout;
}

}  // namespace

PageDesigner::PageDesigner(LayoutEditMode mode, const PageLayoutRecord& start, int recordIndex, int zoom)
    : m_mode(mode),
      m_recordIndex(recordIndex)
{
    m_state.zoom = clampedZoom(zoom);
    if (mode == LayoutEditMode::New) {
        m_state.layout = newPage();
    } else {
        m_state.layout = start;
        m_state.layout.ObjectCount = static_cast<std::int16_t>(usedObjectCount(start));
        // A paper the list does not know is a size of its own.
        const auto& papers = kPaperNames;
        if (std::find(papers.begin(), papers.end(), start.PaperName.view()) == papers.end())
            m_state.layout.PaperName.assign(kCustomPaper);
        scaleObjectBounds(m_state.layout, zoomFactor(start.Zoom, m_state.zoom));
    }
    settle();
}

int PageDesigner::pixelsPerUnit() const { return PixelsPerUnit(m_state.zoom, static_cast<bool>(layout().Inches)); }

void PageDesigner::settle()
{
    m_state.layout.Zoom = static_cast<std::int16_t>(m_state.zoom);
    updatePixelSize(m_state.layout, m_state.zoom);
    if (!validObject(m_state.selected)) m_state.selected = 0;
    if (m_armed && !toolEnabled(*m_armed)) m_armed.reset();
}

template <typename Change>
void PageDesigner::change(Change&& apply)
{
    State before = m_state;
    apply();
    settle();
    if (m_state.layout == before.layout && m_state.zoom == before.zoom) return;
    m_undo.push_back(std::move(before));
    if (m_undo.size() > kMaxUndoSteps) m_undo.erase(m_undo.begin());
    m_redo.clear();
}

void PageDesigner::select(int k) { m_state.selected = validObject(k) ? k : 0; }

void PageDesigner::armTool(PageObjectKind kind)
{
    if (m_armed == kind || !toolEnabled(kind))
        m_armed.reset();
    else
        m_armed = kind;
}

bool PageDesigner::toolEnabled(PageObjectKind kind) const { return qm::toolEnabled(layout(), kind); }

DragType PageDesigner::dragTypeAt(PixelPoint point) const
{
    if (m_armed || !validObject(selected())) return DragType::None;
    const DragType handle = handleAt(object(selected()).Bounds, point);
    if (handle != DragType::None) return handle;
    return objectAt(layout(), point) == selected() ? DragType::Move : DragType::None;
}

int PageDesigner::createObject(PixelPoint topLeft)
{
    if (!m_armed) return 0;
    const PageObjectKind kind = *m_armed;
    int created = 0;
    change([&] { created = addNewObject(m_state.layout, kind, topLeft.x, topLeft.y, pixelsPerUnit()); });
    m_armed.reset();
    if (created) m_state.selected = created;
    return created;
}

void PageDesigner::dragObject(int k, DragType type, int dx, int dy)
{
    if (!validObject(k) || type == DragType::None) return;
    change([&] {
        PageBounds& bounds = m_state.layout.Objects[k - 1].Bounds;
        bounds = draggedBounds(bounds, type, dx, dy);
    });
}

void PageDesigner::replaceObject(int k, const PageObject& object)
{
    if (!validObject(k)) return;
    change([&] { m_state.layout.Objects[k - 1] = object; });
}

void PageDesigner::deleteObject(int k)
{
    if (!validObject(k)) return;
    change([&] {
        qm::deleteObject(m_state.layout, k);
        if (m_state.selected == k)
            m_state.selected = 0;
        else if (m_state.selected > k)
            --m_state.selected;
    });
}

void PageDesigner::bringToFront(int k)
{
    if (!validObject(k)) return;
    change([&] {
        qm::bringToFront(m_state.layout, k);
        m_state.selected = objectCount();
    });
}

void PageDesigner::sendToBack(int k)
{
    if (!validObject(k)) return;
    change([&] {
        qm::sendToBack(m_state.layout, k);
        m_state.selected = 1;
    });
}

bool PageDesigner::setZoom(int zoom)
{
    zoom = clampedZoom(zoom);
    if (zoom == m_state.zoom) return false;
    change([&] {
        scaleObjectBounds(m_state.layout, zoomFactor(m_state.zoom, zoom));
        m_state.zoom = zoom;
    });
    return true;
}

bool PageDesigner::choosePaper(std::string_view name)
{
    bool warns = false;
    change([&] { warns = qm::choosePaper(m_state.layout, name); });
    return warns;
}

void PageDesigner::setPortrait(bool portrait)
{
    change([&] { setOrientation(m_state.layout, portrait); });
}

void PageDesigner::setInches(bool inches)
{
    change([&] { changeUnit(m_state.layout, inches); });
}

std::optional<bool> PageDesigner::setCustomSize(PageSide side, std::string_view text)
{
    const auto size = customPageSize(text, side, static_cast<bool>(layout().Inches));
    if (!size) return std::nullopt;
    double& stored = side == PageSide::Width ? m_state.layout.PageWidth : m_state.layout.PageHeight;
    if (stored == *size) return false;
    change([&] { (side == PageSide::Width ? m_state.layout.PageWidth : m_state.layout.PageHeight) = *size; });
    return true;
}

void PageDesigner::undo()
{
    if (m_undo.empty()) return;
    m_redo.push_back(std::move(m_state));
    m_state = std::move(m_undo.back());
    m_undo.pop_back();
    m_armed.reset();
}

void PageDesigner::redo()
{
    if (m_redo.empty()) return;
    m_undo.push_back(std::move(m_state));
    m_state = std::move(m_redo.back());
    m_redo.pop_back();
    m_armed.reset();
}

Outcome<PageDesigner::SavedLayout> PageDesigner::save(PageLayoutFile& file, std::string_view name,
                                                      std::string_view widthText, std::string_view heightText)
{
    const bool inches = static_cast<bool>(layout().Inches);
    for (const PageSide side : {PageSide::Height, PageSide::Width}) {
        const std::string_view text = side == PageSide::Height ? heightText : widthText;
        if (!setCustomSize(side, text)) {
            auto refused = Outcome<SavedLayout>::refused(customSizeRefusal(side, inches));
            refused.value.refusedSide = side;
            return refused;
        }
    }
    m_state.layout.Name.assign(trimmed(name));
    Result<int> written = m_recordIndex;
    if (m_mode == LayoutEditMode::Modify) {
        if (Status replaced = file.ReplaceRecord(m_recordIndex, layout()); !replaced) written = replaced.failure();
    } else {
        written = file.AppendRecord(layout());
    }
    if (!written) return Outcome<SavedLayout>::fromFailure(written.failure(), PageLayoutMessages::CannotAdd);
    return Outcome<SavedLayout>::done({*written});
}

}  // namespace qm
