// A partner's INFO message carries its variant as text: the reader takes a board the engine
// can play or nothing, and a board it takes writes a text that reads back as the same board.
#include "FuzzInput.h"

#include "game/ModelText.h"

#include <string>

using namespace vantorel;
using vantorel::fuzz::Expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<Tmodele> model = ReadModelText(text);
    if (!model) return 0;
    Expect(model->IsPlayable(), "an unplayable board was read");
    for (const char separator : {'.', ','}) {
        const std::optional<Tmodele> again = ReadModelText(model->ToText(separator));
        Expect(again.has_value(), "a board read does not read back from its own text");
        Expect(again->SameAs(*model), "a board read back is another board");
        Expect(again->Identity == model->Identity, "the identity was lost on the way");
    }
    return 0;
}
