#pragma once
// What the game object asks of the program around it: the board view, the main window's
// panels and commands, the network window and the message boxes. A headless game (the
// chooser's previews, tests, the command-line tool) has no owner or a small fake one.
#include "engine/TMove.h"
#include "engine/TText.h"

#include <string>

namespace vantorel {

class TGameOwner {
public:
    virtual ~TGameOwner() = default;

    // The board view.
    virtual bool HasView() const = 0;
    // Re-places every piece and the dice from the game (undo, redo, replay jumps).
    virtual void RefreshView() = 0;
    // Only draws the picture again: the view shows each change by itself.
    virtual void RedrawView() = 0;
    virtual void StartDiceRoll() = 0;
    virtual void StopDiceRoll() = 0;
    virtual void HideDice() = 0;
    virtual void StopAnimation() = 0;

    // The main window: status panels 1 and 2 hold the last moves.
    virtual void SetMovePanel(int panel, const TText& text) = 0;
    virtual void RefreshCommandStates() = 0;
    virtual void RefreshStatus() = 0;
    // Replay mode: menus and tool bar swapped, track bar over entries 0..count − 1.
    virtual void EnterReplay(int entryCount) = 0;
    virtual void ResetReplayTrackBar(int entryCount) = 0;
    virtual void LeaveReplay() = 0;

    // The network window: its role (1 serving with a caller, 2 partner), −1 without one.
    virtual int NetworkRole() const = 0;
    virtual void SendMove(TMove move) = 0;
    virtual void SendDrawOffer() = 0;
    virtual void SendGameState() = 0;

    // Message boxes, in the player's language.
    virtual bool AskYesNo(const TText& question, int helpContext) = 0;
    virtual void Inform(const TText& text, int helpContext) = 0;
};

} // namespace vantorel
