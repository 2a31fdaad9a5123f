// The editor's automatic mill search on a variant's points and links, its own mills left
// out: what the editor would find for that board.
#include "CliSupport.h"
#include "Commands.h"

#include "editor/TDrawing.h"

#include <iostream>

namespace vantorel::cli {

int MillsCommand(int argc, char** argv) {
    const Args args(argc, argv, 2, {});
    Tmodele model = LoadVariant(args.Text("variant"));
    model.Mills.clear();
    editor::TDrawing drawing;
    if (!drawing.LoadModel(model)) throw UsageError(editor::TDrawing::DrawingProblem(model));
    drawing.SearchMills();
    std::cout << "{\"mills\": [";
    const std::vector<editor::TMillSlot> mills = drawing.ValidMills();
    for (size_t i = 0; i < mills.size(); ++i)
        std::cout << (i ? ", " : "") << "[" << mills[i].P[0] - 1 << ", " << mills[i].P[1] - 1
                  << ", " << mills[i].P[2] - 1 << "]";
    std::cout << "]}\n";
    return 0;
}

} // namespace vantorel::cli
