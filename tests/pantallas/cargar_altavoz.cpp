// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Two cues through the real loudspeaker, as the game plays them, then the sound plug-in file this
// process has loaded, as "cargado <path>" (nothing when none). Put beside the game's program, in
// the build tree's bin/ or in an installed tree, it looks for the plug-in where the game would.

#include "Module1.h"

#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char **argv) {
    QCoreApplication aplicacion(argc, argv);
    Module1::Direccion();
    Module1::Empieza();
    if (!Module1::esperar(20000)) {
        std::fputs("cargar_altavoz: el altavoz no ha respondido en 20 s\n", stderr);
        return 1;
    }
    std::ifstream mapas("/proc/self/maps");
    std::string linea, anterior;
    while (std::getline(mapas, linea)) {
        const auto ruta = linea.find('/');
        if (ruta == std::string::npos || linea.find(JUBO_ALTAVOZ_FICHERO) == std::string::npos)
            continue;
        if (linea.substr(ruta) != anterior)
            std::printf("cargado %s\n", linea.substr(ruta).c_str());
        anterior = linea.substr(ruta);
    }
    return 0;
}
