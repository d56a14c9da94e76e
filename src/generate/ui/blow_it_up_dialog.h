// The enlarged view TBlowItUp of one candidate: the same picture as in the chooser at 411 x 411
// pixels, captioned with the slot's heading. It keeps a copy of the slot's record of its own.
#pragma once

#include <memory>

#include <QString>

#include "collection/puzzle_record.h"
#include "common/ui/ui_style.h"

namespace qm {

class CandidateImageWidget;

class TBlowItUp : public StyledDialog {
    Q_OBJECT
public:
    TBlowItUp(const UiStyle& style, const PuzzleRecord& record, int score, const QString& heading,
              QWidget* parent = nullptr);

    CandidateImageWidget* image() const { return m_image; }

private:
    std::unique_ptr<PuzzleRecord> m_record;
    CandidateImageWidget* m_image = nullptr;
};

}  // namespace qm
