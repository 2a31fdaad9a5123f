#pragma once
// The three panels of the status bar, sized from the font rather than from fixed pixel
// widths: the first holds every status text the game can show, the other two the longest
// line of a move. When the window is too narrow for the three side by side, the two move
// panels go below the first one, so that no text is ever cut.
//
// Tool-button hints are written into the first panel only (the status bar's own message
// would blank all three) and the panel gets its text back when the mouse leaves.
#include "engine/TText.h"

#include <QFontMetrics>
#include <QObject>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;

namespace vantorel {

// Every status text of the game's catalogue, its states walked with the names a game
// starts with, the widest dice and three-figure move counts.
std::vector<TText> StatusCatalogueTexts();
// The widest lines of the move panels: three-figure move numbers, dice, a capture.
std::vector<TText> MoveLineSamples();

// Text widths in pixels, in the language installed: the widest status text, the widest
// move line.
struct TStatusTextWidths {
    int Status = 0;
    int Moves = 0;
};
TStatusTextWidths StatusTextWidths(const QFontMetrics& metrics);

class TStatusPanels : public QWidget {
    Q_OBJECT
public:
    explicit TStatusPanels(QWidget* parent = nullptr);

    QLabel* Panel(int index) const { return panels_.at(static_cast<size_t>(index)); }
    // The narrowest width that shows the three panels on one line.
    int OneLineWidth() const;
    // True while the move panels stand below the first one.
    bool TwoLines() const { return twoLines_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Measure();
    void Arrange(int width);

    std::array<QLabel*, 3> panels_{};
    QGridLayout* grid_ = nullptr;
    TStatusTextWidths widths_;
    int frame_ = 0;
    bool twoLines_ = false;
    bool arranged_ = false;
};

// Catches the hints of the window's tool buttons and menu items (status-tip events) and
// shows them in the first panel; an empty hint gives the panel its text back, unless the
// game wrote a new one meanwhile.
class TStatusHints : public QObject {
    Q_OBJECT
public:
    TStatusHints(QWidget& window, QLabel& panel);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel& panel_;
    QString saved_;
    QString shown_;
    bool showing_ = false;
};

} // namespace vantorel
