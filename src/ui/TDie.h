#pragma once
// A die on a dialog: it rolls (a new face every 120 ms) until its stop time has passed, then
// shows its value. Used to draw the side that starts a game.
#include <QTimer>
#include <QWidget>

namespace vantorel {

class TDie : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFaceMs = 120;

    explicit TDie(QWidget* parent = nullptr);

    int Value() const { return value_; }
    bool Rolling() const { return rolling_; }
    // Rolls for `stopAfterMs`, then stops on the face shown.
    void Roll(int stopAfterMs);
    // Stops at once on `value` (1..6); tests and the dialog's redraw use it.
    void StopOn(int value);
    // One face change, as the roll's timer makes it.
    void NextFace();

    QSize sizeHint() const override { return {36, 36}; }

signals:
    void Changed();
    void Stopped();
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Stop();

    int value_ = 1;
    bool rolling_ = false;
    QTimer faces_;
    QTimer stop_;
};

} // namespace vantorel
