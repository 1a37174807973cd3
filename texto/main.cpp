// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jubo-texto: the same game in a terminal, over a screen reader, or driven by a script.

#include "Consola.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace {

void uso(std::ostream &o) {
    o << "Uso: jubo-texto [--semilla N]\n"
         "Lee una acción por línea: una orden (MIRAR COCHE) o /palante, /patras, /izquierda,\n"
         "/derecha, /ver, /inventario. --semilla N hace repetibles las respuestas al azar.\n";
}

} // namespace

int main(int argc, char **argv) {
    std::optional<std::uint32_t> semilla;
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (std::strcmp(a, "--semilla") == 0 && i + 1 < argc) {
            const char *n = argv[++i];
            std::uint32_t v = 0;
            auto [fin, error] = std::from_chars(n, n + std::strlen(n), v);
            if (error != std::errc() || *fin != '\0') {
                std::cerr << "jubo-texto: semilla no válida: " << n << "\n";
                return 2;
            }
            semilla = v;
        } else if (std::strcmp(a, "--ayuda") == 0 || std::strcmp(a, "--help") == 0 ||
                   std::strcmp(a, "-h") == 0) {
            uso(std::cout);
            return 0;
        } else {
            std::cerr << "jubo-texto: argumento desconocido: " << a << "\n";
            uso(std::cerr);
            return 2;
        }
    }

    std::ios::sync_with_stdio(false);
    const bool terminal = isatty(STDIN_FILENO) == 1;
    Sorteo sorteo = sorteoDelReloj;
    if (semilla)
        sorteo = SorteoFijo(*semilla);

    Consola consola(std::cout, sorteo, !terminal);
    consola.empezar();
    std::string linea;
    for (;;) {
        if (terminal)
            std::cout << "> " << std::flush;
        if (!std::getline(std::cin, linea))
            break;
        if (!consola.accion(linea))
            break;
    }
    return 0;
}
