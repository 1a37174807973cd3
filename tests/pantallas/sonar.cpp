// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays two cues through the real loudspeaker, the second before the first has ended:
//   sonar <folder with Archivos/Sonidos> <ms before the second cue> <ms before leaving> [dos]
// With "dos" the second cue goes to a loudspeaker of its own, which cannot cut off the first:
// the control case that shows the recording can tell the difference.

#include "Altavoz.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <optional>

int main(int argc, char **argv) {
    QCoreApplication aplicacion(argc, argv);
    if (argc < 4)
        return 2;
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    Altavoz primero(carpeta);
    std::optional<Altavoz> otro;
    if (argc > 4 && std::strcmp(argv[4], "dos") == 0)
        otro.emplace(carpeta);
    Altavoz *segundo = otro ? &*otro : &primero;
    primero.tocar(Sonido::Direccion);
    QTimer::singleShot(std::atoi(argv[2]), [segundo] { segundo->tocar(Sonido::Empieza); });
    QTimer::singleShot(std::atoi(argv[3]), [&aplicacion] { aplicacion.quit(); });
    return aplicacion.exec();
}
