// Acting on a modal window while the command that opened it waits for it to close.
#pragma once

#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

namespace qm::test {

// Runs command, which opens a modal window of type T, acts on that window while it is open, and
// closes it when the action left it open.
template <typename T>
void whileModalOpen(const std::function<void()>& command, const std::function<void(T&)>& act)
{
    bool acted = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        act(*window);
        if (window->isVisible()) window->reject();
        acted = true;
    });
    command();
    EXPECT_TRUE(acted);
}

}  // namespace qm::test
