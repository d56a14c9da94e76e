#include "layout/ui/shape_list_window.h"

#include <QListWidget>
#include <QPushButton>

#include "layout/ui/record_list_view.h"
#include "layout/ui/shape_preview_widget.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(597, 266);
constexpr int kDesignFontPixels = 13;
constexpr int kButtonLeft = 496;

}  // namespace

TSelectShapes::TSelectShapes(ShapeListContext& context, QWidget* parent) : StyledDialog(context.style, parent)
{
    setWindowTitle("Shapes");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_panel = new ShapeListPanel(context, *this);
    m_panel->shapeBox()->setGeometry(12, 12, 220, 242);
    m_panel->layoutImage()->setGeometry(244, 12, 240, 240);
    QPushButton* const order[] = {m_panel->newButton(),    m_panel->modifyButton(), m_panel->copyButton(),
                                  m_panel->deleteButton(), m_panel->importButton(), m_panel->exportButton()};
    for (int position = 0; QPushButton * button : order)
        button->setGeometry(listButtonGeometry(kButtonLeft, position++));
    auto* exit = new QPushButton("E&xit", this);
    exit->setObjectName("ExitButton");
    exit->setAutoDefault(false);
    exit->setGeometry(QRect(QPoint(kButtonLeft, 229), listButtonGeometry(kButtonLeft, 0).size()));
    connect(exit, &QPushButton::clicked, this, &TSelectShapes::accept);
}

void TSelectShapes::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (std::exchange(m_opened, true)) return;
    m_panel->open();
}

void runShapeList(QWidget* parent, ShapeListContext& context)
{
    TSelectShapes window(context, parent);
    window.exec();
}

}  // namespace qm
