#pragma once
// The program's two bitmap fonts, painted by its own code on first use and kept for the
// whole run: "BitmapFont1", digits and capital letters made of glowing dots, and
// "BitmapFont2", whose '1' … '6' are die faces ('0' a blank face).
#include "scene/TBitmapText.h"

namespace vantorel {

const scene::TBitmapFont& BitmapFont1();
const scene::TBitmapFont& BitmapFont2();

// The dots of one glyph of the first font: seven rows of five, top row first, '#' lit;
// empty for a character it lacks.
std::vector<std::string> DotGlyph(char c);

} // namespace vantorel
