// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jubo-texto: the same game in a terminal, over a screen reader, or driven by a script.

#include "Consola.h"
#include "Descriptor.h"
#include "Eco.h"
#include "Editor.h"
#include "Guardar.h"
#include "Lineas.h"
#include "Opciones.h"
#include "Salida.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <ostream>
#include <unistd.h>

namespace {

// Far beyond any order, yet a line from an endless stream (/dev/zero) is refused in bounded memory.
constexpr std::size_t LargoMaximo = 16 * 1024 * 1024;

// Status 1 tells a failed read or write apart from a normal end (0) and bad options (2).
constexpr int FalloDeEntradaSalida = 1;

void avisar(const QString &texto) {
    const QByteArray linea = QStringLiteral("jubo-texto: %1\n").arg(texto).toUtf8();
    escribirEn(STDERR_FILENO, linea.constData(), std::size_t(linea.size()));
}

int falloAlEscribir(const Salida &bufer) {
    avisar(QStringLiteral("no se puede escribir la salida: %1")
               .arg(QString::fromLocal8Bit(std::strerror(bufer.error()))));
    return FalloDeEntradaSalida;
}

// strerror in the player's language; libedit needs a UTF-8 character type for accented letters,
// and the game writes UTF-8 whatever the locale says.
void ponerIdioma() {
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
    std::setlocale(LC_MESSAGES, "");
}

} // namespace

int main(int argc, char **argv) {
    ponerIdioma();
    Salida bufer(STDOUT_FILENO);
    std::ostream salida(&bufer);

    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    const Opciones opciones = leerOpciones(argumentos);
    switch (opciones.pide) {
    case Opciones::Pide::Nada: avisar(opciones.problema); return 2;
    case Opciones::Pide::Ayuda: salida << textoAyuda().toStdString(); break;
    case Opciones::Pide::Version: salida << textoVersion().toStdString(); break;
    case Opciones::Pide::Jugar: break;
    }
    if (opciones.pide != Opciones::Pide::Jugar)
        return salida.flush() ? 0 : falloAlEscribir(bufer);

    const bool teclado = isatty(STDIN_FILENO) == 1;
    Sorteo sorteo = sorteoDelReloj;
    if (opciones.semilla)
        sorteo = SorteoFijo(*opciones.semilla);
    // Line editing needs the terminal on both sides; otherwise lines are read as they come.
    std::unique_ptr<Editor> editor;
    if (teclado && isatty(STDOUT_FILENO) == 1)
        editor = Editor::abrir("jubo-texto", LargoMaximo);
    if (editor && !editor->aviso().empty())
        avisar(QString::fromLocal8Bit(editor->aviso().c_str()));
    Lineas lineas(STDIN_FILENO, LargoMaximo);

    // Piped input shown on a terminal is echoed here, harmlessly; anywhere else the echo is the
    // transcript's, byte for byte.
    const bool ecoEnTerminal = !teclado && isatty(STDOUT_FILENO) == 1;
    Consola consola(salida, sorteo, !teclado && !ecoEnTerminal, ficheroPorDefecto());
    consola.empezar();
    std::string linea;
    bool sigue = bufer.error() == 0;
    while (sigue) {
        if (teclado && !editor)
            salida << "> " << std::flush;
        switch (editor ? editor->leer(linea) : lineas.leer(linea)) {
        case Leido::Linea:
            if (ecoEnTerminal)
                salida << ecoParaTerminal(linea) << '\n';
            sigue = consola.accion(linea);
            break;
        case Leido::Larga:
            salida << "(línea de más de " << (LargoMaximo >> 20) << " MiB: no se lee)" << std::endl;
            break;
        case Leido::Fin:
            // After Ctrl-D the shell's prompt starts on a line of its own.
            if (teclado)
                salida << std::endl;
            sigue = false;
            break;
        case Leido::Error:
            salida.flush();
            avisar(QStringLiteral("no se puede leer la entrada: %1")
                       .arg(QString::fromLocal8Bit(
                           std::strerror(editor ? editor->error() : lineas.error()))));
            return FalloDeEntradaSalida;
        }
        if (bufer.error() != 0)
            break;
    }
    salida.flush();
    return bufer.error() == 0 ? 0 : falloAlEscribir(bufer);
}
