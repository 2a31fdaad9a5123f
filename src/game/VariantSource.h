#pragma once
// The text form of the shipped variants (assets/variants/variants.txt): one block per
// variant with its identity, its French texts, its rules and its board. A build step reads
// it and writes the library "Vantorel.tev" from it.
#include "engine/Tmodele.h"

#include <istream>
#include <stdexcept>
#include <vector>

namespace vantorel {

// A mistake in the text, with its line number.
class TVariantSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Every variant of the text, in order. Each one is checked as the engine would check it.
std::vector<Tmodele> ReadVariantSource(std::istream& text);

} // namespace vantorel
