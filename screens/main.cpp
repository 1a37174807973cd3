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

// While Qt looks for a display, its complaints are replaced by one plain line, and a display that
// cannot be opened ends the program with an error status instead of an abort and a core dump.
void mensajesDeArranque(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
    if (tipo == QtFatalMsg) {
        std::fputs(SinPantalla, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (contexto.category && std::strncmp(contexto.category, "qt.qpa", 6) == 0)
        return;
    std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv) {
    if (!hayEscritorio(argc, argv)) {
        std::fputs(SinPantalla, stderr);
        return 1;
    }
    const QtMessageHandler anterior = qInstallMessageHandler(mensajesDeArranque);
    QApplication aplicacion(argc, argv);
    qInstallMessageHandler(anterior);

    Disposicion::prepararAplicacion();
    Ventanas::mostrar(Ventanas::menu());
    return aplicacion.exec();
}
