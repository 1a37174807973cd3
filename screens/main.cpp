// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jubo: the desktop game. Opens the main menu; everything else follows from its buttons.

#include "Disposicion.h"
#include "Menu.h"
#include "Ventanas.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char *const SinPantalla =
    "jubo: no se puede abrir una pantalla gráfica (¿falta DISPLAY o WAYLAND_DISPLAY?); "
    "para jugar en un terminal usa jubo-texto\n";

bool pideOtraPlataforma(int argc, char **argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

bool hayEscritorio(int argc, char **argv) {
    auto definida = [](const char *variable) {
        const char *v = std::getenv(variable);
        return v && *v;
    };
    return definida("QT_QPA_PLATFORM") || pideOtraPlataforma(argc, argv) || definida("DISPLAY") ||
           definida("WAYLAND_DISPLAY");
}

// While Qt looks for a display, its messages are held back: a display that cannot be opened ends
// the program with one plain line naming the first reason Qt gave, and an error status, instead
// of an abort and a core dump. If the program ends some other way before the display is up, what
// was held back is shown then.
QByteArray &retenidos() {
    static QByteArray r;
    return r;
}
// The first thing the platform layer (categories qt.qpa.*) said: why no display could be had.
QString &razon() {
    static QString r;
    return r;
}
bool arrancando = true;

void mensajesDeArranque(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
    const QString primeraLinea = texto.section(QLatin1Char('\n'), 0, 0).trimmed();
    if (razon().isEmpty() && contexto.category && std::strncmp(contexto.category, "qt.qpa", 6) == 0)
        razon() = primeraLinea;
    if (tipo == QtFatalMsg) {
        const QString linea =
            QStringLiteral("jubo: no se puede abrir una pantalla gráfica (Qt: %1); para jugar en "
                           "un terminal usa jubo-texto\n")
                .arg(razon().isEmpty() ? primeraLinea : razon());
        std::fputs(linea.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    retenidos() += texto.toLocal8Bit() + '\n';
}

void soltarRetenidos() {
    if (arrancando)
        std::fputs(retenidos().constData(), stderr);
}

} // namespace

int main(int argc, char **argv) {
    if (!hayEscritorio(argc, argv)) {
        std::fputs(SinPantalla, stderr);
        return 1;
    }
    std::atexit(soltarRetenidos);
    const QtMessageHandler anterior = qInstallMessageHandler(mensajesDeArranque);
    QApplication aplicacion(argc, argv);
    qInstallMessageHandler(anterior);
    arrancando = false;
    std::fputs(retenidos().constData(), stderr);

    Disposicion::prepararAplicacion();
    Ventanas::mostrar(Ventanas::menu());
    return aplicacion.exec();
}
