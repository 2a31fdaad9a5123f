#pragma once
// The window's side of the catalogue texts of the pure layers (engine/TText.h): their key
// translated in the context "Catalogue", then filled with their arguments, each rendered
// the same way. With no translation installed, the French rendering comes out unchanged.
#include "engine/TText.h"

#include <QString>

#include <exception>
#include <string>

namespace vantorel {

inline constexpr const char* kCatalogueContext = "Catalogue";

QString TrText(const TText& text);
// For the pure layers' functions that take a renderer.
TTextRenderer WindowRenderer();
// A whole French text of a pure layer (a problem found in a file, a refused action): its
// translation when it is a catalogue text, else the text itself (a path, a system error).
QString TrMessage(const std::string& french);
// An exception's message: the catalogue text it carries, or TrMessage of what().
QString TrError(const std::exception& error);

} // namespace vantorel
