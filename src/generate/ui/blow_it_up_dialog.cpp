#include "generate/ui/blow_it_up_dialog.h"

#include <QPushButton>

#include "generate/ui/candidate_image_widget.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(515, 419);
constexpr QRect kImageDesign(4, 4, 411, 411);
constexpr QRect kExitDesign(423, 386, 84, 25);
constexpr int kDesignFontPixels = 12;

}  // namespace

TBlowItUp::TBlowItUp(const UiStyle& style, const PuzzleRecord& record, int score, const QString& heading,
                     QWidget* parent)
    : StyledDialog(style, parent),
      m_record(std::make_unique<PuzzleRecord>(record))
{
    setWindowTitle(heading);
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_image = new CandidateImageWidget(this);
    m_image->setObjectName("BlowImage");
    m_image->setAccessibleName(heading);
    m_image->setGeometry(kImageDesign);
    m_image->showCandidate(m_record.get(), score);

    // Exit is also the cancel key: Escape rejects the dialog.
    auto* exit = new QPushButton("E&xit", this);
    exit->setObjectName("ExitButton");
    exit->setGeometry(kExitDesign);
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &TBlowItUp::reject);
}

}  // namespace qm
