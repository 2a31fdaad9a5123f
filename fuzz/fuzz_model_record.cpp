// A ".Mdl" file, a variant of the library or a saved game's model comes from anyone. Its
// reader must turn any bytes into either a model or a StreamError, keep the old model on
// error, and hand the engine only models it can play; the engine must then stay on its
// board whatever the model's tables say. The bytes after the record pick the moves.
#include "EngineChecks.h"
#include "FuzzInput.h"

#include "engine/TValueStream.h"
#include "engine/Tjeu.h"
#include "engine/Tmodele.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

using namespace vantorel;
using vantorel::fuzz::Expect;

namespace {

std::string RecordBytes(const Tmodele& model) {
    std::ostringstream out;
    model.SaveToStream(out);
    return out.str();
}

// A model read once writes itself back in its normal form: reading that form again must
// give the same bytes and a matching checksum.
void CheckRoundTrip(const Tmodele& model) {
    const std::string written = RecordBytes(model);
    std::istringstream in(written);
    Tmodele again(1);
    const bool checksumMatches = again.LoadFromStream(in);
    Expect(checksumMatches, "a record written by the program fails its own checksum");
    Expect(RecordBytes(again) == written, "a written record reads back differently");
    const bool nanPoint =
        std::any_of(model.Points.begin(), model.Points.end(),
                    [](const TPointRec& p) { return std::isnan(p.X) || std::isnan(p.Y); });
    // A NaN coordinate is never equal to itself, so such a model is never SameAs anything.
    Expect(nanPoint || again.SameAs(model), "a written record reads back as another model");
}

void CheckTextForm(const Tmodele& model) {
    for (const char separator : {'.', ','}) {
        const std::string text = model.ToText(separator);
        const size_t first = text.find(';');
        Expect(first != std::string::npos && text.ends_with("\xC2\xA7 "),
               "the text form lost its frame");
        Expect(text.substr(0, first) ==
                   std::to_string(Tmodele::TextChecksum(text.substr(first + 1))),
               "the text form's checksum does not cover its text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    Tmodele model(1);
    const Tmodele before = model;
    try {
        model.LoadFromStream(in);
    } catch (const StreamError& error) {
        Expect(error.kind() != StreamError::Kind::Write, "a reader reported a write error");
        Expect(RecordBytes(model) == RecordBytes(before) && model.Identity == before.Identity,
               "a failed read changed the model");
        return 0;
    }
    CheckRoundTrip(model);
    CheckTextForm(model);
    if (!model.IsPlayable()) return 0;

    const std::streamoff used = in.tellg();
    const size_t offset = used < 0 ? size : static_cast<size_t>(used);
    fuzz::FuzzInput rest(data + offset, size - offset);
    Tjeu jeu(model, rest.Byte() & 1);
    for (int side = 0; side < 2; ++side) {
        Tsuivants list;
        jeu.LegalMoves(side, jeu.LiveBoard, list);
        fuzz::CheckMoveList(jeu, list);
        list.clear();
        jeu.LegalCaptures(side, jeu.LiveBoard, list);
        fuzz::CheckCaptureList(jeu, list);
    }
    fuzz::CheckSmallPerft(jeu, 5000);
    fuzz::PlayLiveGame(jeu, rest, 12);
    return 0;
}
