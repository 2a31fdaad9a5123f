#pragma once
#include "engine/Tmodele.h"

#include <string>

namespace vantorel::cli {

// A picture of the board in plain text: pieces at their coordinates, straight links drawn
// between them. 'B' white, 'N' black, '+' empty.
std::string DrawTextBoard(const Tmodele& model, const std::string& board);

} // namespace vantorel::cli
