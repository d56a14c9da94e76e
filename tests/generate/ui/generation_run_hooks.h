// Hooks into a generation run and its progress dialog, for the dialog tests and the screenshots:
// a random source that calls back before every draw, so one can act in the middle of an attempt,
// and a watch that hands over the dialog once its run has ended and then clicks Ok.
#pragma once

#include <functional>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "common/random_source.h"
#include "generate/ui/creation_attempts_dialog.h"

namespace qm::test {

class HookedRandom final : public RandomSource {
public:
    HookedRandom(std::uint64_t seed, std::function<void(std::size_t draw)> hook)
        : m_random(seed),
          m_hook(std::move(hook))
    {
    }
    int Random(int range) override
    {
        m_hook(m_draws++);
        return m_random.Random(range);
    }

private:
    SeededRandom m_random;
    std::function<void(std::size_t)> m_hook;
    std::size_t m_draws = 0;
};

inline TCreationAttempts* openDialog() { return qobject_cast<TCreationAttempts*>(QApplication::activeModalWidget()); }

inline QPushButton* cancelButton(TCreationAttempts& dialog) { return dialog.findChild<QPushButton*>("Cancel"); }

class FinishedDialogWatch {
public:
    explicit FinishedDialogWatch(std::function<void(TCreationAttempts&)> check) : m_check(std::move(check))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            TCreationAttempts* dialog = openDialog();
            if (!dialog || !dialog->finished()) return;
            m_timer.stop();
            m_check(*dialog);
            cancelButton(*dialog)->click();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
    std::function<void(TCreationAttempts&)> m_check;
};

}  // namespace qm::test
