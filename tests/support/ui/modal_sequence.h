// Acting on the modal windows a command opens one after the other (a question, then a dialog
// shown once for each of several words), each with its own action:
//
//   test::ModalSequence()
//       .then<TChooseSpellCheck>([](TChooseSpellCheck& choice) { choice.accept(); })
//       .then<TSpellSuggestions>([](TSpellSuggestions& dialog) { dialog.IgnoreClick(); })
//       .run([&] { tools.spellCheck(nullptr, rows, true, true); });
//
// An action that leaves its window open has it rejected. Every action must have run when the
// command returns.
#pragma once

#include <deque>
#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace qm::test {

class ModalSequence {
public:
    template <typename T>
    ModalSequence& then(std::function<void(T&)> act)
    {
        m_steps.push_back([act = std::move(act)](QWidget& window) {
            auto* typed = qobject_cast<T*>(&window);
            ASSERT_NE(typed, nullptr) << "a modal " << window.metaObject()->className() << " opened instead";
            act(*typed);
        });
        return *this;
    }

    void run(const std::function<void()>& command)
    {
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [this] { actOnOpenWindow(); });
        poll.start();
        command();
        EXPECT_TRUE(m_steps.empty()) << m_steps.size() << " modal windows expected did not open";
    }

private:
    void actOnOpenWindow()
    {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || m_steps.empty()) return;
        const auto step = std::move(m_steps.front());
        m_steps.pop_front();
        step(*window);
        if (window->isVisible())
            if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
    }

    std::deque<std::function<void(QWidget&)>> m_steps;
};

}  // namespace qm::test
