// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays through the real loudspeaker as the game does, on its thread, with the sound plug-in
// looked for where the game looks (this program is put beside the game's, in bin/):
//   sonar                          Direccion then Empieza; once they reach the player, prints
//                                  "cargado <path>" for the plug-in file loaded (none if none)
//   sonar <wav> <ms> <wav> <ms>    the first file; after the first wait the second one (or, for
//                                  "salir", exit(3) as Qt does when the display is lost; for "-",
//                                  nothing); leaves after the second wait

#include "HiloSonido.h"
#include "Module1.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char **argv) {
    QCoreApplication aplicacion(argc, argv);
    if (argc == 5) {
        static auto *const hilo =
            new HiloSonido(Module1::sitiosAltavoz(QCoreApplication::applicationDirPath()));
        const QString segundo = QString::fromLocal8Bit(argv[3]);
        hilo->tocar(QString::fromLocal8Bit(argv[1]));
        QTimer::singleShot(std::atoi(argv[2]), [segundo] {
            if (segundo == QLatin1String("salir"))
                std::exit(3);
            if (segundo != QLatin1String("-"))
                hilo->tocar(segundo);
        });
        QTimer::singleShot(std::atoi(argv[4]), &aplicacion, &QCoreApplication::quit);
        return aplicacion.exec();
    }
    Module1::Direccion();
    Module1::Empieza();
    if (!Module1::esperar(20000)) {
        std::fputs("sonar: el altavoz no ha respondido en 20 s\n", stderr);
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
