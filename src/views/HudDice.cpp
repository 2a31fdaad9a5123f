#include "HudDice.h"

#include <algorithm>

namespace vantorel {

THudDice::THudDice(TAnim& view, scene::TSceneObject& parent, const THudDiceStyle& style)
    : view_(view), style_(style) {
    text_ = parent.AddChild<scene::TBitmapText>();
    text_->SetFont(style_.Font);
    text_->SetAlignment(scene::TBitmapText::Align::Centre);
    text_->SetText("000");
    text_->SetVisible(false);
    text_->OnProgress = [this](scene::TSceneObject&, double deltaTime, double) {
        Frame(deltaTime);
    };
}

THudDice::~THudDice() {
    // The scene frees the text later, with the rest of the view.
    text_->OnProgress = nullptr;
}

void THudDice::Start() {
    TPlateau& game = view_.Game;
    view_.SetAnimating(true);
    view_.DiceShown = true;
    view_.DiceSide = static_cast<uint8_t>(game.SideToMove);
    for (int die = 1; die <= 3; ++die) {
        TDieRec& record = game.Dice[static_cast<size_t>(die)];
        record.Rolling = 1;
        record.StartTick = static_cast<int32_t>(game.Now());
    }
    text_->SetPosition({view_.Viewer.ClientWidth() / 2.0,
                        view_.Viewer.ClientHeight() / 2.0 - style_.RaisePixels, 0});
    text_->SetScale({0, 0, 1});
    text_->SetVisible(true);
}

void THudDice::Stop() {
    const bool rolling = view_.DiceShown;
    view_.DiceShown = false;
    for (int die = 1; die <= 3; ++die)
        view_.Game.Dice[static_cast<size_t>(die)].Rolling = 0;
    // The roll was what kept the view busy; a click cut it short, so the figures come
    // to their full size at once.
    if (rolling) view_.SetAnimating(false);
    ShowValues();
}

void THudDice::ShowValues() {
    // Dice not thrown yet have nothing to show.
    for (int die = 1; die <= 3; ++die) {
        const int value = view_.Game.Dice[static_cast<size_t>(die)].Value;
        if (value < 1 || value > 6) return;
    }
    text_->SetText(Values());
    text_->SetScale({style_.FullScale, style_.FullScale, 1});
}

std::string THudDice::Values() const {
    std::string shown;
    for (int die = 1; die <= 3; ++die) {
        const int value = view_.Game.Dice[static_cast<size_t>(die)].Value;
        if (die > 1) shown += ' ';
        shown += static_cast<char>('0' + std::clamp(value, 0, 9));
    }
    return shown;
}

void THudDice::Frame(double deltaTime) {
    if (!text_->Visible()) return;
    TPlateau& game = view_.Game;
    TDieRec& first = game.Dice[1];
    if (view_.DiceShown && first.Rolling != 1) {
        view_.SetAnimating(false);
        view_.DiceShown = false;
    }
    if (first.Rolling != 1) {
        text_->SetText(Values());
        return;
    }
    const int64_t rolled = static_cast<int64_t>(game.Now()) - first.StartTick;
    if (firstShown_ == first.Value && rolled > kSettleMs) {
        first.Rolling = 2;
        text_->SetScale({style_.FullScale, style_.FullScale, 1});
        return;
    }
    std::uniform_int_distribution<int> face(1, 6);
    firstShown_ = face(flicker_);
    const int second = face(flicker_), third = face(flicker_);
    text_->SetText(std::string{static_cast<char>('0' + firstShown_), ' ',
                               static_cast<char>('0' + second), ' ',
                               static_cast<char>('0' + third)});
    const double scale =
        std::min(text_->Scale().x() + deltaTime * style_.GrowthRate, style_.FullScale);
    text_->SetScale({scale, scale, 1});
}

} // namespace vantorel
