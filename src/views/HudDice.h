#pragma once
// Dice shown as three figures over the middle of the picture, for the themes that throw no
// dice into their scene. While they roll the figures flicker and grow; once two seconds
// have gone by (whatever the dice delay option says) the first figure settles on the
// first die's value. The click that ends the roll is left to the player.
#include "TAnim.h"

#include "scene/TBitmapText.h"

#include <random>

namespace vantorel {

struct THudDiceStyle {
    const scene::TBitmapFont* Font = nullptr;
    int RaisePixels = 20;  // the figures stand this much above the middle of the viewer
    double FullScale = 2;  // their size once settled
    double GrowthRate = 1; // scale gained per second of frame time while rolling
};

class THudDice {
public:
    static constexpr int32_t kSettleMs = 2000;

    // The text is made hidden under `parent`, showing "000"; the scene owns it.
    THudDice(TAnim& view, scene::TSceneObject& parent, const THudDiceStyle& style);
    THudDice(const THudDice&) = delete;
    THudDice& operator=(const THudDice&) = delete;
    ~THudDice();

    scene::TBitmapText* Text() const { return text_; }

    // The theme's StartDiceRoll (the base's is not run): every die rolling from now on,
    // the view busy, the figures shown at nothing and growing.
    void Start();
    // The theme's StopDiceRoll: the roll is over and the values stay on show.
    void Stop();
    // The values, at full size (`ShowDieFace`).
    void ShowValues();

private:
    void Frame(double deltaTime);
    std::string Values() const;

    TAnim& view_;
    THudDiceStyle style_;
    scene::TBitmapText* text_ = nullptr;
    int firstShown_ = 0;
    // Flicker of our own, so the game's seeded generator is never drawn on by a frame.
    std::minstd_rand flicker_{12};
};

} // namespace vantorel
