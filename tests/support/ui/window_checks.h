// Checks of a shown window as a user looks at it, shared by the tests of single windows and the
// tests that go through every window: texts shown whole, controls that do not cover each other,
// and a name a screen reader can say for every control. Each finding is one line naming the
// control; a window that passes gives none.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace qm::test {

// Labels, check boxes, radio buttons and push buttons that show less of their text than it needs,
// in their own geometry or where their parents cut them off.
std::vector<std::string> cutTexts(QWidget& window);

// Controls the window places that cover each other or stand outside their container (the window,
// its group boxes and plain frames).
std::vector<std::string> crowdedControls(QWidget& window);

// Controls without the name the accessibility interface gives a screen reader (their own, their
// buddy label's or their text).
std::vector<std::string> namelessControls(QWidget& window);

}  // namespace qm::test
