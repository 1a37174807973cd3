// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jubo-texto in node, on the WebAssembly engine: the terminal front end (Consola) fed from
// standard input as the native program is fed from a pipe, so that the transcripts of
// tests/motor/transcripciones can be replayed through the engine the page runs. Only
// --semilla N is taken; the line editor, the other options and the limits on line length are
// the native program's.

#include "Consola.h"
#include "Guardar.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

int main(int argc, char **argv) {
    std::optional<std::uint32_t> semilla;
    for (int i = 1; i < argc; i += 2) {
        std::uint32_t n = 0;
        const char *fin = i + 1 < argc ? argv[i + 1] + std::strlen(argv[i + 1]) : nullptr;
        if (std::strcmp(argv[i], "--semilla") != 0 || !fin ||
            std::from_chars(argv[i + 1], fin, n).ptr != fin) {
            std::fprintf(stderr, "jubo-texto.js: sólo se entiende --semilla N\n");
            return 2;
        }
        semilla = n;
    }
    Sorteo sorteo = sorteoDelReloj;
    if (semilla)
        sorteo = SorteoFijo(*semilla);
    // Input from a pipe is echoed, as the native program does when it is not at a terminal.
    Consola consola(std::cout, sorteo, true, ficheroPorDefecto());
    consola.empezar();
    std::string linea;
    while (std::getline(std::cin, linea))
        if (!consola.accion(linea))
            break;
    std::cout.flush();
    return std::cout ? 0 : 1;
}
