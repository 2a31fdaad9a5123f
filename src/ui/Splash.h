#pragma once
// The splash screen shown while the main window is built: a picture whose background
// colour (the colour of its pixel at (1, 1)) is cut away, so that only the shape shows.
#include <QImage>
#include <QRegion>
#include <QWidget>

namespace vantorel {

// Every pixel whose colour differs from the key colour at (1, 1), gathered row by row into
// runs.
QRegion SplashRegion(const QImage& picture);

// The program's own splash picture, 392 × 252, on a magenta key colour.
QImage SplashPicture();

class TSplashForm : public QWidget {
public:
    explicit TSplashForm(const QImage& picture = SplashPicture(), QWidget* parent = nullptr);
    // Shown and painted at once, before the window's long construction starts.
    void ShowNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace vantorel
