#pragma once
// Every text the status bar and the message boxes show, as functions of the game and of
// the few facts of the view and the window they depend on. Each is a catalogue text (key
// and arguments, engine/TText.h): the window renders it in the player's language, the
// French functions give the French rendering the tool and the tests read.
#include "engine/TText.h"

#include <optional>
#include <string>

namespace vantorel {

class TPlateau;

// The template of the error catalogue for `code` (codes beyond the catalogue share one).
const char* ErrorTemplate(int code);
// The error catalogue: the template of `code` filled with `detail` when there is one,
// the bare template otherwise.
TText ErrorText(int code, const std::optional<TText>& detail = std::nullopt);
std::string ErrorMessage(int code, const std::optional<std::string>& detail = std::nullopt);

// What the status text reads of the view and the window.
struct TStatusFacts {
    int ThemeId = 1; // 0 intro, 255 (or below 0) no usable view
    bool HasView = true;
    bool Animating = false; // the view is showing a move or the dice
    bool DiceShown = false; // the view's dice are on screen
    int DiceSide = 0;       // the side whose move or roll the view shows
};

// Text of the first status panel.
TText StatusMessage(const TPlateau& game, const TStatusFacts& facts);
std::string StatusText(const TPlateau& game, const TStatusFacts& facts);

// The text of a computer's roll ("on" 1), or empty.
TText DiceResultMessage(const TPlateau& game, int on);
std::string DiceResultText(const TPlateau& game, int on);

// The status panel is written only when its text changes, or when it was cleared.
class TStatusPanelRule {
public:
    // True when `text` must be written to a panel currently showing `panelText`.
    bool ShouldWrite(const std::string& text, const std::string& panelText) {
        if (text == LastStatusText && !panelText.empty()) return false;
        LastStatusText = text;
        return true;
    }
    std::string LastStatusText;
};

} // namespace vantorel
