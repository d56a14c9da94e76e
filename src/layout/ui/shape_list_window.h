// The shape list window TSelectShapes ("Shapes"): the saved shapes with their preview and the
// commands on them, opened from the main window.
#pragma once

#include "common/ui/ui_style.h"
#include "layout/ui/shape_list_panel.h"

namespace qm {

class TSelectShapes : public StyledDialog {
    Q_OBJECT
public:
    TSelectShapes(ShapeListContext& context, QWidget* parent = nullptr);

    ShapeListPanel& panel() { return *m_panel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    ShapeListPanel* m_panel = nullptr;
    bool m_opened = false;
};

// Runs the shape list window modally: what "Puzzle &Shape" and the tool button "Create Puzzle
// Shape" of the main window do. CurrentShape holds the shape last loaded when it closes.
void runShapeList(QWidget* parent, ShapeListContext& context);

}  // namespace qm
