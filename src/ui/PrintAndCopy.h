#pragma once
// The window's print command and its two copy commands. They work on the window from
// outside: the game, the view and the assistant are all the window lends them.
#include "TGamePrinter.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace vantorel {

class TMainWindow;

// Shows the print dialog for `printer`; true when the user confirmed it.
using TPrintDialogFn = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The whole game, one entry a row, on the printer the dialog chose; the game stays on the
// last entry printed and its status comes back. An empty dialog function is the real one.
TPrintReport PrintScreen(TMainWindow& window, const TPrintDialogFn& dialog = {});

// The board as the view shows it, as a picture on the clipboard.
void Copy_imageClick(TMainWindow& window);
// The date and time, an empty line, the game script: plain text on the clipboard.
void Copy_scriptClick(TMainWindow& window);
QString ScriptForClipboard(const TPlateau& game, const QDateTime& when);

} // namespace vantorel
