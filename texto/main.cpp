// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jubo-texto: the same game in a terminal, over a screen reader, or driven by a script.

#include "Consola.h"
#include "Opciones.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char **argv) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    const Opciones opciones = leerOpciones(argumentos);
    switch (opciones.pide) {
    case Opciones::Pide::Nada:
        std::cerr << QStringLiteral("jubo-texto: %1\n").arg(opciones.problema).toStdString();
        return 2;
    case Opciones::Pide::Ayuda: std::cout << textoAyuda().toStdString(); return 0;
    case Opciones::Pide::Version: std::cout << textoVersion().toStdString(); return 0;
    case Opciones::Pide::Jugar: break;
    }

    std::ios::sync_with_stdio(false);
    const bool terminal = isatty(STDIN_FILENO) == 1;
    Sorteo sorteo = sorteoDelReloj;
    if (opciones.semilla)
        sorteo = SorteoFijo(*opciones.semilla);

    Consola consola(std::cout, sorteo, !terminal);
    consola.empezar();
    std::string linea;
    for (;;) {
        if (terminal)
            std::cout << "> " << std::flush;
        if (!std::getline(std::cin, linea))
            break;
        if (!consola.accion(linea))
            break;
    }
    return 0;
}
