// A ".Mdl" file opened in the board editor comes from anyone. Whatever the record holds, the
// drawing made of it must keep its own rules: packed points numbered by their slots, links
// between existing points, mills only along links; the model built back must name existing
// points only. The bytes after the record pick the editing commands.
#include "EngineChecks.h"
#include "FuzzInput.h"

#include "editor/TDrawing.h"
#include "engine/TValueStream.h"

#include <sstream>
#include <string>

using namespace vantorel;
using namespace vantorel::editor;
using vantorel::fuzz::Expect;

namespace {

void CheckDrawing(const TDrawing& d) {
    const int n = d.PointCount();
    for (int slot = 1; slot <= kPointSlots; ++slot) {
        const Tplot* p = d.Point(slot);
        Expect((p != nullptr) == (slot <= n), "the points are not packed");
        if (p) Expect(p->Number == slot, "a point's number is not its slot");
    }
    for (const TMillSlot& m : d.ValidMills())
        for (int k = 0; k < 3; ++k)
            Expect(m.P[k] >= 1 && m.P[k] <= n, "a mill names a point that is gone");
}

void CheckBuilt(const Tmodele& model) {
    const auto valid = [&model](int p) { return p >= 0 && p < model.PointCount(); };
    for (const auto& l : model.Links)
        Expect(valid(l.A) && valid(l.B), "a built link names no point");
    for (const auto& m : model.Mills)
        Expect(valid(m.P1) && valid(m.P2) && valid(m.P3), "a built mill names no point");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    Tmodele model(-1);
    try {
        model.LoadFromStream(in);
    } catch (const StreamError&) {
        return 0;
    }
    TDrawing d;
    if (!d.LoadModel(model)) {
        Expect(d.PointCount() == 0, "a refused model left points behind");
        return 0;
    }
    CheckDrawing(d);
    CheckBuilt(d.BuildModel());

    const std::streamoff used = in.tellg();
    const size_t offset = used < 0 ? size : static_cast<size_t>(used);
    fuzz::FuzzInput rest(data + offset, size - offset);
    for (int step = 0; step < 16 && !rest.Empty(); ++step) {
        const int x = rest.Byte() * 2, y = rest.Byte() * 2;
        switch (rest.Byte() % 12) {
        case 0:
            d.MouseDown(TButton::Right, false, x, y);
            break;
        case 1:
            d.MouseDown(TButton::Left, rest.Byte() & 1, x, y);
            break;
        case 2:
            d.MouseMove(true, x, y);
            break;
        case 3:
            d.DeleteSelected();
            break;
        case 4:
            d.LinkSelected();
            break;
        case 5:
            d.AlignSelected();
            break;
        case 6:
            d.Rotate(static_cast<int8_t>(rest.Byte()));
            break;
        case 7:
            d.Renumber();
            break;
        case 8:
            Expect(d.SearchMills() >= 0 && d.SearchMills() == 0, "a second search found more");
            break;
        case 9:
            d.PickMill(x, y);
            break;
        case 10:
            d.SetTool(static_cast<TTool>(rest.Byte() % 4));
            break;
        default:
            d.SelectAll();
            break;
        }
        d.Compact();
        CheckDrawing(d);
    }
    CheckBuilt(d.BuildModel());
    return 0;
}
