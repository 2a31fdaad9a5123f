#pragma once
// ".Mdl" board model files: exactly one model record. A save is written beside the target
// and renamed over it, so a failed save keeps the previous file; a read goes into a fresh
// model that the drawing takes only when the whole file was sound.
#include "TDrawing.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vantorel::editor {

// What went wrong, as an entry of the program's error catalogue and its detail.
struct TFileProblem {
    int Code = 0; // 0 none; 4 cannot open or read, 6 not a model record, 1 cannot save
    std::string Detail;
    explicit operator bool() const { return Code != 0; }
};

// The model record of `path`, or the problem that kept it from being read.
std::optional<Tmodele> ReadModelFile(const std::filesystem::path& path, TFileProblem& problem);

// Writes `model` to `path` through a temporary file beside it.
TFileProblem WriteModelRecord(const std::filesystem::path& path, const Tmodele& model);

// The editor's open command: the drawing takes the file's board, its name, Kind and date;
// on any problem the drawing is left exactly as it was.
TFileProblem OpenModelFile(TDrawing& drawing, const std::filesystem::path& path);

enum class TSaveResult { Saved, Declined, Failed };
// The editor's save: an empty name or a declined overwrite leave the drawing's storage state
// and modified flag alone; only a written file changes them. `askOverwrite` is asked when
// `overwrite` is false and the file exists.
TSaveResult WriteModelFile(TDrawing& drawing, const std::string& name, bool overwrite,
                           const std::function<bool()>& askOverwrite, TFileProblem& problem);

} // namespace vantorel::editor
