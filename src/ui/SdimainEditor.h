#pragma once
// The board editor opened from the main window: the form lives as long as the window, so
// it keeps its board between openings, and reaches the live game, the library and the help
// through the window's public parts only.
namespace vantorel {

class TMainWindow;

void OpenBoardEditor(TMainWindow& window);

} // namespace vantorel
