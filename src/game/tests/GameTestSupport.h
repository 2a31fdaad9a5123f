#pragma once
// A game with a fake owner, a settable clock and a fixed seed, for tests that play by clicks.
#include "game/TPlateau.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace vantorel::testing {

// A 24-point board string with white and black pieces on the given points.
inline std::string Board(std::initializer_list<int> white, std::initializer_list<int> black) {
    std::string board(24, 'L');
    for (int p : white)
        board[static_cast<size_t>(p)] = 'B';
    for (int p : black)
        board[static_cast<size_t>(p)] = 'N';
    return board;
}

class FakeOwner : public TGameOwner {
public:
    bool view = true;
    int role = -1;
    bool answerYes = false;
    std::string panels[3];
    std::vector<std::string> calls;
    std::vector<TMove> sentMoves;
    std::vector<std::string> informed;
    int asked = 0;

    bool HasView() const override { return view; }
    void RefreshView() override {}
    void RedrawView() override {}
    void StartDiceRoll() override { calls.push_back("StartDiceRoll"); }
    void StopDiceRoll() override { calls.push_back("StopDiceRoll"); }
    void HideDice() override { calls.push_back("HideDice"); }
    void StopAnimation() override { calls.push_back("StopAnimation"); }
    void SetMovePanel(int panel, const TText& text) override { panels[panel] = text.French(); }
    void RefreshCommandStates() override {}
    void RefreshStatus() override {}
    void EnterReplay(int count) override {
        calls.push_back("EnterReplay " + std::to_string(count));
    }
    void ResetReplayTrackBar(int count) override {
        calls.push_back("ResetReplayTrackBar " + std::to_string(count));
    }
    void LeaveReplay() override { calls.push_back("LeaveReplay"); }
    int NetworkRole() const override { return role; }
    void SendMove(TMove move) override { sentMoves.push_back(move); }
    void SendDrawOffer() override { calls.push_back("SendDrawOffer"); }
    void SendGameState() override { calls.push_back("SendGameState"); }
    bool AskYesNo(const TText&, int) override {
        ++asked;
        return answerYes;
    }
    void Inform(const TText& text, int) override { informed.push_back(text.French()); }
};

struct TestGame {
    FakeOwner owner;
    uint32_t now = 1000;
    std::unique_ptr<TPlateau> game;

    // A game of `kind` whose first side is `first`, at a fixed seed and clock.
    explicit TestGame(int kind = 1, int first = kWhite, int type = kHumanVsHuman,
                      uint32_t seed = 1);
    // Plays every click; a refused move's message is collected instead of thrown.
    std::vector<std::string> Play(const std::vector<int>& clicks);
    Tjeu& Engine() { return *game->Engine; }
};

} // namespace vantorel::testing
