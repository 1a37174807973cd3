// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// A small file the player keeps (a saved game, the line editor's settings), read so that nothing
// put in its place can hold the program up or fill its memory: a named pipe is not waited on, and
// a device or a file under /proc that claims no size is not read for ever.
struct Lectura {
    enum class Que { Leido, NoExiste, NoEsFichero, Largo, Fallo } que;
    std::string texto; // with Leido: the whole file; with Largo: its first limite + 1 bytes
    int error = 0;     // with Fallo: errno
    bool nulo = false; // with NoEsFichero: it is /dev/null
};

// Only a regular file of at most `limite` bytes is read.
Lectura leerFicheroPequeno(const std::string &ruta, std::size_t limite);
