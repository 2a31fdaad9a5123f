// Writes the program's own background songs: make_songs FOLDER writes FOLDER/vantorel-*.mid.
#include "MidiSongs.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_songs FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& song : vantorel::songs::OwnSongs()) {
        const auto bytes = vantorel::songs::MidiFile(song);
        std::ofstream out(folder / song.FileName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", (folder / song.FileName).c_str());
            return 1;
        }
    }
    return 0;
}
