// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jubo: the desktop game. Opens the main menu; everything else follows from its buttons.

#include "Disposicion.h"
#include "Menu.h"
#include "Ventanas.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Exit statuses besides 0: no display could be had (or it was lost, which Qt itself ends with 1)
// or the help could not be written, and a command line that does not hold.
constexpr int Fallo = 1;
constexpr int OpcionesMalas = 2;

const char *const Ayuda =
    "Uso: jubo [opciones]\n"
    "Las rozozerad der Jubo, aventura conversacional: busca la bomba de Er Bolco escribiendo\n"
    "órdenes (MIRAR COCHE) y moviéndote con los botones de dirección.\n"
    "\n"
    "Opciones:\n"
    "  -h, --ayuda, --help  muestra esta ayuda y termina\n"
    "  -v, --version        muestra la versión y termina\n"
    "También valen las de todo programa Qt, como -platform, -display, -geometry, -style\n"
    "o -reverse. Para jugar en un terminal, jubo-texto.\n"
    "\n"
    "Sale con 0 al acabar la partida, 1 si no puede abrir una pantalla gráfica o la pierde,\n"
    "2 si las opciones no valen.\n";

const char *const Version = "jubo (Las rozozerad der Jubo) " JUBO_VERSION "\n"
                            "Licencia GPL-3.0-or-later: puedes cambiarlo y compartirlo.\n";

const char *const FaltaPantalla =
    "jubo: no se puede abrir una pantalla gráfica (¿falta DISPLAY o WAYLAND_DISPLAY?); "
    "para jugar en un terminal usa jubo-texto\n";

const QCommandLineOption OpcionAyuda(QStringList{QStringLiteral("h"), QStringLiteral("ayuda"),
                                                 QStringLiteral("help")});
const QCommandLineOption OpcionVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});

// Qt programs take -option and --option alike.
void preparar(QCommandLineParser &lector) {
    lector.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    lector.addOptions({OpcionAyuda, OpcionVersion});
}

// The argument the player wrote for an option name: "-x", "--ayda".
QString escrita(const QStringList &argumentos, const QString &nombre) {
    for (const QString &a : argumentos.mid(1)) {
        if (a == QLatin1String("--"))
            break;
        QString n = a.section(QLatin1Char('='), 0, 0);
        const QString escrito = n;
        while (n.startsWith(QLatin1Char('-')))
            n.remove(0, 1);
        if (a.startsWith(QLatin1Char('-')) && n == nombre)
            return escrito;
    }
    return QStringLiteral("--") + nombre;
}

// What is wrong with the arguments Qt has left, in one line naming it; empty if nothing is.
QString problema(const QStringList &argumentos) {
    QCommandLineParser lector;
    preparar(lector);
    const bool bien = lector.parse(argumentos);
    const QString pista = QStringLiteral(" (--ayuda dice cuáles hay)");
    if (!lector.unknownOptionNames().isEmpty())
        return QStringLiteral("opción desconocida: ") +
               escrita(argumentos, lector.unknownOptionNames().constFirst()) + pista;
    if (!bien) { // the one other failure: a value given to an option that takes none
        for (const QString &a : argumentos.mid(1))
            if (a.startsWith(QLatin1Char('-')) && a.contains(QLatin1Char('=')))
                return a.section(QLatin1Char('='), 0, 0) + QStringLiteral(" no lleva valor") +
                       pista;
    }
    if (!lector.positionalArguments().isEmpty())
        return QStringLiteral("argumento de más: ") + lector.positionalArguments().constFirst() +
               pista;
    return {};
}

// The options QApplication takes out of the arguments, with one dash or two, on any platform or
// on X11 (display, geometry, icon, name, title, visual; nograb and dograb): those followed by a
// value, which Qt takes whatever it is, and those without one. "style", "stylesheet" and
// "qmljsdebugger" may also carry theirs after "=".
const QStringList OpcionesQtConValor =
    QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry qwindowtitle "
                   "qwindowicon session style stylesheet qmljsdebugger display geometry icon name "
                   "title visual")
        .split(u' ');
const QStringList OpcionesQtSinValor =
    QStringLiteral("reverse testability widgetcount qdevel qdebug nograb dograb").split(u' ');
const QStringList OpcionesQtConIgual = QStringLiteral("style stylesheet qmljsdebugger").split(u' ');

// What is wrong with the command line, told before any display is needed: an option of Qt's
// without its value, or whatever problema() finds once Qt's options are set aside. A platform may
// take fewer of them than this; what it leaves is looked at again once Qt has had its turn.
QString problemaAntesDeQt(const QStringList &argumentos) {
    QStringList resto = argumentos.mid(0, 1);
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString &a = argumentos[i];
        if (a == QLatin1String("--")) {
            resto += argumentos.mid(i);
            break;
        }
        const QString nombre = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
        const QString antesDelIgual = nombre.section(QLatin1Char('='), 0, 0);
        if (!a.startsWith(QLatin1Char('-'))) {
            resto << a;
        } else if (OpcionesQtConValor.contains(nombre)) {
            if (++i == argumentos.size())
                return QStringLiteral("falta el valor de ") + a +
                       QStringLiteral(" (--ayuda dice cuáles hay)");
        } else if (!OpcionesQtSinValor.contains(nombre) &&
                   !(nombre.contains(u'=') && OpcionesQtConIgual.contains(antesDelIgual))) {
            resto << a;
        }
    }
    return problema(resto);
}

QStringList argumentosDe(int argc, char **argv) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    return argumentos;
}

// --help and --version need no display, so they are answered before Qt looks for one; the
// arguments are Qt's as well as ours then, so only these two are looked at. True if answered.
bool contestarSinPantalla(const QStringList &argumentos) {
    QCommandLineParser lector;
    preparar(lector);
    // Options Qt will take are unknown here; any other failure is told once Qt has had its turn.
    if (!lector.parse(argumentos) && lector.unknownOptionNames().isEmpty())
        return false;
    const char *texto = lector.isSet(OpcionAyuda)     ? Ayuda
                        : lector.isSet(OpcionVersion) ? Version
                                                      : nullptr;
    if (!texto)
        return false;
    std::fputs(texto, stdout);
    return true;
}

// -platform or -display on the command line, in either spelling.
bool nombraPantalla(int argc, char **argv) {
    for (int i = 1; i < argc; ++i)
        for (const char *opcion : {"platform", "display"})
            if (argv[i][0] == '-' &&
                std::strcmp(argv[i] + (argv[i][1] == '-' ? 2 : 1), opcion) == 0)
                return true;
    return false;
}

bool hayEscritorio(int argc, char **argv) {
    auto definida = [](const char *variable) {
        const char *v = std::getenv(variable);
        return v && *v;
    };
    return definida("QT_QPA_PLATFORM") || nombraPantalla(argc, argv) || definida("DISPLAY") ||
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
        std::_Exit(Fallo);
    }
    retenidos() += texto.toLocal8Bit() + '\n';
}

void soltarRetenidos() {
    if (arrancando)
        std::fputs(retenidos().constData(), stderr);
}

void decirProblema(const QString &p) {
    std::fputs(("jubo: " + p + u'\n').toLocal8Bit().constData(), stderr);
}

} // namespace

int main(int argc, char **argv) {
    const QStringList argumentos = argumentosDe(argc, argv);
    if (contestarSinPantalla(argumentos)) {
        if (std::fflush(stdout) == 0 && !std::ferror(stdout))
            return 0;
        std::fprintf(stderr, "jubo: no se puede escribir la salida: %s\n", std::strerror(errno));
        return Fallo;
    }
    if (const QString p = problemaAntesDeQt(argumentos); !p.isEmpty()) {
        decirProblema(p);
        return OpcionesMalas;
    }
    if (!hayEscritorio(argc, argv)) {
        std::fputs(FaltaPantalla, stderr);
        return Fallo;
    }
    std::atexit(soltarRetenidos);
    const QtMessageHandler anterior = qInstallMessageHandler(mensajesDeArranque);
    QApplication aplicacion(argc, argv);
    qInstallMessageHandler(anterior);
    arrancando = false;
    std::fputs(retenidos().constData(), stderr);

    // Qt has taken its own options out of the arguments: what is left must be ours.
    if (const QString p = problema(QCoreApplication::arguments()); !p.isEmpty()) {
        decirProblema(p);
        return OpcionesMalas;
    }

    QCoreApplication::setApplicationVersion(QStringLiteral(JUBO_VERSION));
    Disposicion::prepararAplicacion();
    Ventanas::mostrar(Ventanas::menu());
    return aplicacion.exec();
}
