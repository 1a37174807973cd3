// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A fuzz target without libFuzzer: every file in the folders given is handed to it once, as the
// fuzzer would hand it over. A target reports a fault by aborting, which fails the run.
//
//   fuzz_partida <folder>...

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tam);

int main(int argc, char **argv) {
    namespace fs = std::filesystem;
    std::size_t entradas = 0;
    for (int i = 1; i < argc; ++i) {
        for (const fs::directory_entry &e : fs::directory_iterator(argv[i])) {
            std::ifstream f(e.path(), std::ios::binary);
            const std::vector<char> datos{std::istreambuf_iterator<char>(f), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(datos.data()),
                                   datos.size());
            ++entradas;
        }
    }
    std::printf("%zu entradas, ninguna falla\n", entradas);
    return entradas > 0 ? 0 : 1;
}
