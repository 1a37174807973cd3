// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into the game (or the reference program) with JUBO_ESCENAS=N set: once the first window
// has its first frame, it plays the player's part with QTest and times each step up to the end of
// the frame that shows its result, N times, printing one line per sample before ending the process.
//   juego   click on "Juego" -> the game window's first frame (once per process)
//   mover   a direction click -> the frame that paints the new picture
//   orden   Enter on an order -> the frame that paints the reply
//   etiqueta (reference program) new label text -> the frame that paints it
#include "Cuadro.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

Cuadros *cuadros = nullptr;

[[noreturn]] void fallar(const char *motivo) {
    std::fprintf(stderr, "jubo-medir: error %s\n", motivo);
    std::fflush(stderr);
    std::_Exit(2);
}

// Lets pending repaints and window-system traffic settle, so that one step does not pay for the
// last; then prints the milliseconds from `accion` to the end of the first frame that paints a
// widget accepted by `cuenta`.
void medir(const char *escena, const std::function<bool(QObject *)> &cuenta,
           const std::function<void()> &accion) {
    QEventLoop asentar;
    QTimer::singleShot(30, &asentar, &QEventLoop::quit);
    asentar.exec();
    QEventLoop bucle;
    std::int64_t fin = -1;
    cuadros->cuenta = cuenta;
    cuadros->alTerminar = [&](std::int64_t ns) {
        if (fin < 0) {
            fin = ns;
            bucle.quit();
        }
    };
    QTimer::singleShot(5000, &bucle, &QEventLoop::quit);
    const std::int64_t inicio = ahoraNs();
    accion();
    if (fin < 0)
        bucle.exec();
    cuadros->alTerminar = nullptr;
    if (fin < 0)
        fallar("no llegó el cuadro esperado en 5 s");
    std::fprintf(stderr, "jubo-medir: escena %s %.4f\n", escena, double(fin - inicio) / 1e6);
}

std::function<bool(QObject *)> dentroDe(QWidget *w) {
    return [w](QObject *o) {
        auto *pintado = static_cast<QWidget *>(o);
        return pintado == w || w->isAncestorOf(pintado);
    };
}

QWidget *ventanaVisible() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return w;
    return nullptr;
}

void escenasReferencia(QWidget *ventana, int veces) {
    auto *etiqueta = ventana->findChild<QLabel *>();
    if (!etiqueta)
        fallar("la ventana no tiene etiqueta");
    for (int i = 0; i < veces; ++i)
        medir("etiqueta", dentroDe(etiqueta), [&] {
            etiqueta->setText(i % 2 ? QStringLiteral("Las rozozerad der Jubo")
                                    : QStringLiteral("Er Jubo"));
        });
}

void escenasJuego(QWidget *menu, QAbstractButton *eljuego, int veces) {
    medir(
        "juego", [menu](QObject *o) { return static_cast<QWidget *>(o)->window() != menu; },
        [&] { QTest::mouseClick(eljuego, Qt::LeftButton); });
    QWidget *juego = ventanaVisible();
    if (!juego || juego == menu)
        fallar("no se ve la ventana del juego");
    // Found by the names the game gives them, so a renamed control fails the run.
    auto *palante = juego->findChild<QAbstractButton *>(QStringLiteral("PaLante"));
    auto *patras = juego->findChild<QAbstractButton *>(QStringLiteral("Patras"));
    auto *texto = juego->findChild<QLineEdit *>(QStringLiteral("text1"));
    auto *lista = juego->findChild<QAbstractItemView *>(QStringLiteral("List1"));
    QWidget *dibujo = juego->findChild<QWidget *>(QStringLiteral("Image1"));
    if (!palante || !patras || !texto || !lista || !dibujo)
        fallar("faltan controles del juego");

    // Entrance -> room -> entrance, so the orders below are given at the entrance.
    for (int i = 0; i < veces; ++i)
        for (QAbstractButton *boton : {palante, patras})
            medir("mover", dentroDe(dibujo), [&] { QTest::mouseClick(boton, Qt::LeftButton); });
    // One order taken by a rule and one refused, in turn.
    const QString ordenes[] = {QStringLiteral("mirar coche"), QStringLiteral("bailar una jota")};
    for (int i = 0; i < 2 * veces; ++i) {
        texto->setFocus();
        texto->clear();
        QTest::keyClicks(texto, ordenes[i % 2]);
        medir("orden", dentroDe(lista), [&] { QTest::keyClick(texto, Qt::Key_Return); });
    }
}

void correr(int veces) {
    QWidget *ventana = ventanaVisible();
    if (!ventana)
        fallar("no hay ventana visible");
    if (auto *eljuego = ventana->findChild<QAbstractButton *>(QStringLiteral("Eljuego")))
        escenasJuego(ventana, eljuego, veces);
    else
        escenasReferencia(ventana, veces);
    std::fflush(stderr);
    std::_Exit(0);
}

void instalar() {
    bool ok = false;
    const int veces = qEnvironmentVariableIntValue("JUBO_ESCENAS", &ok);
    if (!ok || veces <= 0)
        return;
    cuadros = new Cuadros;
    cuadros->alTerminar = [veces](std::int64_t) {
        cuadros->alTerminar = nullptr;
        QTimer::singleShot(0, [veces] { correr(veces); });
    };
    QCoreApplication::instance()->installEventFilter(cuadros);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(instalar)
