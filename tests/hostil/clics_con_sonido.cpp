// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop game, headless, with its real loudspeaker: the sound thread and the plug-in, found
// beside this program as the game finds it beside jubo. servidor_mudo.py runs it against sound
// servers that misbehave. It clicks through the game and leaves by closing the game window,
// printing how long each click took, how long the event loop ever stood still, and when main
// ended:
//   clic <control> <ms>
//   quieto <ms>
//   salida <ms since start>

#include "ApoyoVentanas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <memory>

int main(int argc, char **argv) {
    QElapsedTimer desdeInicio;
    desdeInicio.start();
    auto aplicacion = std::make_unique<QApplication>(argc, argv);
    Disposicion::prepararAplicacion();
    int avisos = 0;
    bool terminado = false;
    Ventanas::ponerAviso([&](const QString &, const QString &, QMessageBox::Icon) { ++avisos; });
    Ventanas::ponerFin([&] { terminado = true; });

    // A timer that should tick every 5 ms: the longest gap between ticks is how long the window
    // could not have answered anything.
    QElapsedTimer entreTics;
    qint64 quieto = 0;
    QTimer tic;
    tic.setInterval(5);
    QObject::connect(&tic, &QTimer::timeout,
                     [&] { quieto = std::max(quieto, entreTics.restart()); });

    Menu &menu = arrancar();
    entreTics.start();
    tic.start();
    QTest::qWait(100);
    auto clic = [](QWidget &ventana, const char *nombre) {
        QElapsedTimer reloj;
        reloj.start();
        QTest::mouseClick(control<QPushButton>(ventana, nombre), Qt::LeftButton);
        std::printf("clic %s %lld\n", nombre, reloj.elapsed());
        QTest::qWait(150);
    };
    clic(menu, "Eljuego"); // the first cues: the sound thread starts and loads the plug-in
    Juego &juego = Ventanas::juego();
    for (const char *boton : {"PaLante", "Patras", "Ver", "Inventario", "PalMenu"})
        clic(juego, boton);
    clic(menu, "Eljuego");
    QTest::qWait(1000);
    QElapsedTimer reloj;
    reloj.start();
    juego.close(); // the farewell: Cagonto, the message box (a stand-in here), the end
    std::printf("clic cerrar %lld\n", reloj.elapsed());
    std::printf("quieto %lld\n", quieto);
    if (!terminado || avisos != 1) {
        std::fprintf(stderr, "MAL: la despedida no terminó (avisos: %d)\n", avisos);
        return 1;
    }
    Ventanas::olvidarTodas();
    std::printf("salida %lld\n", desdeInicio.elapsed());
    std::fflush(stdout);
    aplicacion.reset(); // the loudspeaker's thread is given its moment to stop here
    return 0;
}
