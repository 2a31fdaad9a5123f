#pragma once
// The reader of a variant's text form, the form a serving machine sends its callers so that
// both play the same board. The text comes from a stranger: it is read whole into a fresh
// model, checked (its checksum, every count against the engine's limits, every link and
// mill against the points, the result playable), and only then handed out.
#include "engine/Tmodele.h"

#include <optional>
#include <string>

namespace vantorel {

// The model written by Tmodele::ToText (either decimal separator); none when the text is
// cut, damaged, or not a board the engine can play. The name, which the text form does not
// carry, is the built-in board's for kinds 0 and 1 and "?" otherwise.
std::optional<Tmodele> ReadModelText(const std::string& utf8Text);

} // namespace vantorel
