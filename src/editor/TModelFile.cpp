#include "TModelFile.h"

#include "engine/TValueStream.h"
#include "game/AtomicFile.h"

#include <fstream>
#include <system_error>

namespace vantorel::editor {
namespace fs = std::filesystem;

std::optional<Tmodele> ReadModelFile(const fs::path& path, TFileProblem& problem) {
    problem = {};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = {4, path.string()};
        return std::nullopt;
    }
    Tmodele model(-1);
    try {
        // The stored checksum is not held against the board: a file edited by hand still
        // opens, as long as it is a well-formed record.
        model.LoadFromStream(in);
    } catch (const StreamError& e) {
        problem = {e.kind() == StreamError::Kind::Format ? 6 : 4, e.what()};
        return std::nullopt;
    }
    if (const std::string why = TDrawing::DrawingProblem(model); !why.empty()) {
        problem = {6, why};
        return std::nullopt;
    }
    return model;
}

TFileProblem WriteModelRecord(const fs::path& path, const Tmodele& model) {
    const std::string error =
        WriteFileAtomically(path, [&model](std::ostream& out) { model.SaveToStream(out); });
    if (!error.empty()) return {1, error};
    return {};
}

TFileProblem OpenModelFile(TDrawing& drawing, const fs::path& path) {
    TFileProblem problem;
    std::optional<Tmodele> model = ReadModelFile(path, problem);
    if (!model) return problem;
    drawing.LoadModel(*model);
    drawing.Rules.Name = model->Name;
    drawing.StorageState = TStorage::File;
    drawing.Modified = false;
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    drawing.FileName = (ec ? path : full).string();
    return {};
}

TSaveResult WriteModelFile(TDrawing& drawing, const std::string& name, bool overwrite,
                           const std::function<bool()>& askOverwrite, TFileProblem& problem) {
    problem = {};
    drawing.ToolMode = TTool::Selection;
    drawing.Compact();
    const size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos) return TSaveResult::Declined;
    const std::string trimmed = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    std::error_code ec;
    fs::path path = fs::absolute(trimmed, ec);
    if (ec) path = trimmed;
    if (!overwrite && fs::exists(path, ec) && !(askOverwrite && askOverwrite()))
        return TSaveResult::Declined;
    problem = WriteModelRecord(path, drawing.BuildModel());
    if (problem) return TSaveResult::Failed;
    drawing.StorageState = TStorage::File;
    drawing.Modified = false;
    drawing.FileName = path.string();
    return TSaveResult::Saved;
}

} // namespace vantorel::editor
