#pragma once
// Where the main window opens: where the player left it, else about two thirds of the
// screen's free area, centred, never narrower than the status texts need.
#include <QRect>

class QWidget;

namespace vantorel {

class TUserStore;

// Two thirds of the free area in each direction, at least `minimumWidth` wide (the
// area's width at most), centred.
QRect DefaultWindowRect(const QRect& available, int minimumWidth);

// The place remembered in the per-user store, or the default one on the window's screen.
void PlaceMainWindow(QWidget& window, const TUserStore& store, int minimumWidth);
// Kept at a clean exit.
void RememberWindowPlace(const QWidget& window, TUserStore& store);

} // namespace vantorel
