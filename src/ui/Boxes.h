#pragma once
// Message boxes the window manager can title in full: a box as narrow as a short text
// ("Nul refusé") cuts its own title off.
class QMessageBox;

namespace vantorel {

// Room in the title bar beside the title: the window's icon and its three buttons.
inline constexpr int kTitleBarRoom = 140;

// Makes the box at least as wide as its title needs.
void WidenForTitle(QMessageBox& box);

} // namespace vantorel
