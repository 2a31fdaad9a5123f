#pragma once
// An owner with a board that shows nothing: the game takes clicks only when a view exists,
// so the command-line tool and the fuzz targets play through this one.
#include "TGameOwner.h"

namespace vantorel {

class THeadlessOwner : public TGameOwner {
public:
    explicit THeadlessOwner(int networkRole = -1) : networkRole_(networkRole) {}

    bool HasView() const override { return true; }
    void RefreshView() override {}
    void RedrawView() override {}
    void StartDiceRoll() override {}
    void StopDiceRoll() override {}
    void HideDice() override {}
    void StopAnimation() override {}
    void SetMovePanel(int, const TText&) override {}
    void RefreshCommandStates() override {}
    void RefreshStatus() override {}
    void EnterReplay(int) override {}
    void ResetReplayTrackBar(int) override {}
    void LeaveReplay() override {}
    int NetworkRole() const override { return networkRole_; }
    void SendMove(TMove) override {}
    void SendDrawOffer() override {}
    void SendGameState() override {}
    // Questions are answered no: a draw offered by repetition is declined.
    bool AskYesNo(const TText&, int) override { return false; }
    void Inform(const TText&, int) override {}

private:
    int networkRole_;
};

} // namespace vantorel
