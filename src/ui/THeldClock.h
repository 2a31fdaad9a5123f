#pragma once
// The game clock held while a question, a box or a dialog is open: the game must not move on
// under it, or the computer would play while the player reads. Holds nest; the clock goes on
// when the outermost one ends, and only if it was running.
#include <QTimer>

namespace vantorel {

class THeldClock {
public:
    explicit THeldClock(QTimer& clock) : clock_(clock), ticking_(clock.isActive()) {
        clock_.stop();
    }
    ~THeldClock() {
        if (ticking_) clock_.start();
    }
    THeldClock(const THeldClock&) = delete;
    THeldClock& operator=(const THeldClock&) = delete;

private:
    QTimer& clock_;
    bool ticking_;
};

} // namespace vantorel
