// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays two cues through the real loudspeaker (its thread and the sound plug-in), the second
// before the first has ended:
//   sonar <folder with Archivos/Sonidos> <ms before the second cue> <ms before leaving> [dos]
// With "dos" each cue goes to a player of its own, on this thread, so nothing cuts off the first:
// the control case that shows the recording can tell the difference. With "salir" the program
// calls exit(3) instead of the second cue, while the first still plays, as Qt does when the
// display is lost.

#include "AltavozEfectos.h"
#include "HiloSonido.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv) {
    QCoreApplication aplicacion(argc, argv);
    if (argc < 4)
        return 2;
    const QString sonidos = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/Archivos/Sonidos/");
    const QString primero = sonidos + QStringLiteral("Direccion.wav");
    const QString segundo = sonidos + QStringLiteral("Empieza.wav");
    const int antes = std::atoi(argv[2]);
    QTimer::singleShot(std::atoi(argv[3]), &aplicacion, &QCoreApplication::quit);

    if (argc > 4 && std::strcmp(argv[4], "dos") == 0) {
        AltavozEfectos uno, otro;
        uno.tocar(primero);
        QTimer::singleShot(antes, [&] { otro.tocar(segundo); });
        return aplicacion.exec();
    }
    static auto *const hilo = new HiloSonido({QStringLiteral(JUBO_ALTAVOZ)}); // as in the game
    hilo->tocar(primero);
    if (argc > 4 && std::strcmp(argv[4], "salir") == 0)
        QTimer::singleShot(antes, [] { std::exit(3); });
    else
        QTimer::singleShot(antes, [&] { hilo->tocar(segundo); });
    return aplicacion.exec();
}
