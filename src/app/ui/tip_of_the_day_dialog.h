// The Tip of the Day: one tip at a time, Next and Previous through all of them, and the choice
// whether the tips are shown at start-up.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/ui/ui_style.h"

class QCheckBox;
class QLabel;

namespace qm {

// What the dialog leaves when it closes, however it is closed.
struct TipsOfTheDayChoice {
    bool showTips = true;       // the check box "Show Tips at Startup"
    std::size_t lastShown = 0;  // the tip on screen
};

class TipOfTheDayDialog : public StyledDialog {
    Q_OBJECT
public:
    // tips is never empty; first is an index into it.
    TipOfTheDayDialog(const UiStyle& style, std::vector<std::string> tips, std::size_t first, bool showTips,
                      QWidget* parent = nullptr);

    // Next and Previous go round: after the last tip comes the first.
    void NextClick();
    void PreviousClick();

    TipsOfTheDayChoice choice() const;
    QString shownText() const;
    QLabel* tipLabel() const { return m_tip; }
    QCheckBox* showTipsBox() const { return m_showTips; }

private:
    void showTip(std::size_t index);

    std::vector<std::string> m_tips;
    std::size_t m_shown = 0;
    QLabel* m_tip = nullptr;
    QLabel* m_counter = nullptr;
    QCheckBox* m_showTips = nullptr;
};

TipsOfTheDayChoice runTipsOfTheDay(QWidget* parent, const UiStyle& style, std::vector<std::string> tips,
                                    std::size_t first, bool showTips);

}  // namespace qm
