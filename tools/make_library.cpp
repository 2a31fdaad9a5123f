// Writes the shipped variants as the library "Vantorel.tev": make_library SOURCE OUTPUT.
// The library is written beside its final name first, so a failed run leaves no half file.
#include "game/VariantSource.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_library SOURCE OUTPUT\n";
        return 2;
    }
    try {
        std::ifstream source(argv[1]);
        if (!source) throw std::runtime_error("cannot read the source");
        const auto variants = vantorel::ReadVariantSource(source);
        const std::filesystem::path output = argv[2];
        const std::filesystem::path temporary = output.string() + ".new";
        {
            std::ofstream library(temporary, std::ios::binary | std::ios::trunc);
            for (const auto& variant : variants)
                variant.SaveToStream(library);
            library.close();
            if (!library) throw std::runtime_error("cannot write " + temporary.string());
        }
        std::filesystem::rename(temporary, output);
    } catch (const std::exception& error) {
        std::cerr << argv[1] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
