#pragma once
// The main window's two dialogs over the game: the variant chooser ("Nouveau jeu...") and the
// move suggestion ("Proposer un coup..."), kept out of the window's class.
#include "Choix_jeu.h"
#include "Conseil.h"

namespace vantorel {

class TMainWindow;

TChooserParts ChooserPartsFor(TMainWindow& window);
TConseilParts ConseilPartsFor(TMainWindow& window);

// Opens the chooser in play mode and plays the chosen variant.
void OpenVariantChooser(TMainWindow& window);
// The live game takes `chosen` and starts anew in the same theme; the variant already in
// play changes nothing. True when the game was replaced.
bool PlayChosenVariant(TMainWindow& window, const Tmodele& chosen);

// The suggestion dialog, with the clock held and the view marked unusable while it is open.
// `run` shows it (exec() when empty).
void OpenSuggestionDialog(TMainWindow& window, const std::function<void(TForm_conseil&)>& run = {});

} // namespace vantorel
