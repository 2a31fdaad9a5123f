#pragma once
// A board view over a live game, with a settable clock, a fake window and a viewer that is
// never shown: frames are stepped by hand.
#include "views/Tplateau2D_1.h"

#include "scene/TMaterialLibrary.h"
#include "scene/TScene.h"

#include <QSize>

#include <functional>
#include <memory>
#include <vector>

namespace vantorel::testing {

class FakeHost : public TViewHost {
public:
    FakeHost();
    bool usable = true;
    TOptions options;
    scene::TMaterialLibrary materials;
    int beeps = 0;
    std::vector<std::string> errors;
    std::string panel;

    bool HasUsableView() const override { return usable; }
    const TOptions& Options() const override { return options; }
    const scene::TMaterialLibrary& Materials() const override { return materials; }
    void Beep() override { ++beeps; }
    void ReportClickError(const std::string& what) override { errors.push_back(what); }
    void SetStatusPanel(int, const std::string& text) override { panel = text; }
    void ProcessPendingEvents() override {}
};

// Sends the game's requests to the view, as the main window does.
class ViewOwner : public TGameOwner {
public:
    TAnim* view = nullptr;
    bool HasView() const override { return view != nullptr; }
    void RefreshView() override {
        if (view) view->Refresh();
    }
    void RedrawView() override {}
    void StartDiceRoll() override {
        if (view) view->StartDiceRoll();
    }
    void StopDiceRoll() override {
        if (view) view->StopDiceRoll();
    }
    void HideDice() override {
        if (view) view->HideDice();
    }
    void StopAnimation() override {
        if (view) view->StopAnimation();
    }
    void SetMovePanel(int, const TText&) override {}
    void RefreshCommandStates() override {}
    void RefreshStatus() override {}
    void EnterReplay(int) override {}
    void ResetReplayTrackBar(int) override {}
    void LeaveReplay() override {}
    int NetworkRole() const override { return -1; }
    void SendMove(TMove) override {}
    void SendDrawOffer() override {}
    void SendGameState() override {}
    bool AskYesNo(const TText&, int) override { return false; }
    void Inform(const TText&, int) override {}
};

using ViewMaker = std::function<std::unique_ptr<TAnim>(TPlateau&, scene::TSceneViewer&,
                                                       scene::TScene&, TViewHost&)>;

// A maker of one theme's view.
template <class View> ViewMaker MakerOf() {
    return [](TPlateau& game, scene::TSceneViewer& viewer, scene::TScene& scene,
              TViewHost& host) -> std::unique_ptr<TAnim> {
        return std::make_unique<View>(game, viewer, scene, host);
    };
}

struct ViewFixture {
    // `prepare` may change the variant before the view is built (dice, pieces).
    explicit ViewFixture(int kind = 1, const std::function<void(TPlateau&)>& prepare = {},
                         bool flat = true);
    explicit ViewFixture(const ViewMaker& make, int kind = 1,
                         const std::function<void(TPlateau&)>& prepare = {},
                         QSize size = QSize(800, 600));
    ~ViewFixture();

    uint32_t now = 1000;
    FakeHost host;
    ViewOwner owner;
    std::unique_ptr<TPlateau> game;
    scene::TScene scene;
    std::unique_ptr<scene::TSceneViewer> viewer;
    std::unique_ptr<TAnim> view;

    // Frames of `ms` milliseconds until the view is idle (at most `limit` frames).
    int RunFrames(int frames, int ms = 20);
    int RunUntilIdle(int ms = 20, int limit = 2000);
    scene::TSceneObject* Object(const std::string& name);
    // The pixel of the viewer where an object's centre is seen.
    std::pair<int, int> PixelOf(const std::string& name);
    // A click of the left button on an object's pixel.
    void PressOn(const std::string& name);
};

} // namespace vantorel::testing
