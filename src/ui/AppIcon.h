#pragma once
// The program's icon: a mill board with a few pieces, drawn at any size, so that the
// window, the installed icons and the desktop entry share one picture.
#include <QIcon>
#include <QImage>

namespace vantorel {

QImage DrawVantorelIcon(int size);
QIcon VantorelIcon();

} // namespace vantorel
