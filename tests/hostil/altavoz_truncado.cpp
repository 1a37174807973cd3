// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A cue whose WAV file is cut short (or empty), another that is fine, then the loudspeaker taken
// down. Qt never finishes loading the short file, and deleting any other cue's effect while that
// load is pending waits for it for ever. The loudspeaker must take such a file as silence and
// still be able to let go of its effects. Runs as its own process, since a failure is a hang.

#include "Altavoz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

bool copiar(const QString &desde, const QString &hasta, qsizetype bytes) {
    QFile f(desde);
    QFile g(hasta);
    return f.open(QIODevice::ReadOnly) && g.open(QIODevice::WriteOnly) &&
           g.write(bytes < 0 ? f.readAll() : f.read(bytes)) >= 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication aplicacion(argc, argv);
    QTemporaryDir dir;
    const QString sonidos = dir.filePath(QStringLiteral("Archivos/Sonidos"));
    const QString bueno = QStringLiteral(JUBO_FUENTE "/Archivos/Sonidos/Empieza.wav");
    if (!QDir().mkpath(sonidos) ||
        !copiar(bueno, sonidos + QStringLiteral("/Direccion.wav"), 5000) || // cut short
        !copiar(bueno, sonidos + QStringLiteral("/Empieza.wav"), -1)) {
        std::fputs("altavoz_truncado: no se pudieron preparar los ficheros\n", stderr);
        return 2;
    }

    auto *altavoz = new Altavoz(dir.path());
    altavoz->tocar(Sonido::Direccion);
    QTimer::singleShot(300, [&] { altavoz->tocar(Sonido::Empieza); });
    QTimer::singleShot(800, [&] {
        std::fputs("altavoz_truncado: deleting the loudspeaker...\n", stderr);
        delete altavoz; // hangs here while the short file is still "loading"
        std::fputs("altavoz_truncado: done\n", stderr);
        aplicacion.quit();
    });
    return aplicacion.exec();
}
