#pragma once
// Every tool tip of the program as a speech bubble: a rounded body with a small pointer at
// its top left, framed twice in grey, the text wrapped at 200 pixels.
#include <QObject>
#include <QRegion>
#include <QSize>
#include <QWidget>

class QFontMetrics;

namespace vantorel {

// The text's rectangle wrapped at 200 pixels, with room for the frame and the pointer.
QSize HintSize(const QFontMetrics& metrics, const QString& text);
// The body from 20 pixels down with round corners, and the pointer above it.
QRegion BubbleRegion(const QRect& client);

class TMonHint : public QWidget {
public:
    static constexpr int kWrapWidth = 200;

    TMonHint();
    void ActivateHint(const QPoint& globalPos, const QString& text);
    QString Text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    bool shapePending_ = false;
};

// Puts the bubble in place of the system's tool tips for the whole application.
class TMonHintInstaller : public QObject {
public:
    explicit TMonHintInstaller(QObject* parent = nullptr);
    ~TMonHintInstaller() override;
    TMonHint& Hint() { return *hint_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMonHint* hint_;
};

} // namespace vantorel
