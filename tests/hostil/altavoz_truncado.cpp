// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A cue whose WAV file is cut short, another that is fine, then the player taken down. Qt never
// finishes loading a short file, and deleting any other effect while that load is pending waits
// for it for ever. The player must take such a file as silence and let go of its effects at once.
// Runs as its own process, with a watchdog, since the failure is a hang.

#include "AltavozEfectos.h"
#include "FicheroWav.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <thread>

constexpr int Plazo = 3000; // ms: deleting a handful of effects takes a few

int main(int argc, char **argv) {
    QCoreApplication aplicacion(argc, argv);
    QTemporaryDir dir;
    const QString corto = dir.filePath(QStringLiteral("Direccion.wav"));
    const QString bueno = dir.filePath(QStringLiteral("Empieza.wav"));
    FicheroWav wav;
    wav.muestras = FicheroWav::tono(440, 0.5, wav.frecuencia);
    QFile f(corto);
    if (!wav.guardar(bueno) || !f.open(QIODevice::WriteOnly) ||
        f.write(wav.bytes().left(5000)) != 5000) {
        std::fputs("altavoz_truncado: no se pudieron preparar los ficheros\n", stderr);
        return 2;
    }
    f.close();

    auto *altavoz = new AltavozEfectos;
    altavoz->tocar(corto);
    QTimer::singleShot(300, [&] { altavoz->tocar(bueno); });
    QTimer::singleShot(800, [&] {
        std::thread([] {
            std::this_thread::sleep_for(std::chrono::milliseconds(Plazo));
            std::fprintf(stderr, "MAL: el altavoz no suelta sus efectos en %d ms\n", Plazo);
            std::fflush(stderr);
            std::_Exit(1);
        }).detach();
        QElapsedTimer reloj;
        reloj.start();
        delete altavoz;
        std::printf("altavoz_truncado: efectos soltados en %lld ms\n", reloj.elapsed());
        aplicacion.quit();
    });
    return aplicacion.exec();
}
