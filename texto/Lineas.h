// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// What one attempt to read an input line gave.
enum class Leido {
    Linea, // a line, without its line end
    Larga, // a line longer than the bound: refused, and skipped up to its end
    Fin,   // the end of input
    Error, // a read error; errno-style code in error()
};

// Input lines from a file descriptor (a pipe, a file, a terminal without line editing). A line
// longer than `limite` bytes is never held whole: its first bytes are dropped as soon as it
// passes the bound and the rest up to the next line end is skipped, so memory stays bounded
// whatever comes in, even an endless line without a line end.
class Lineas {
  public:
    Lineas(int fd, std::size_t limite);

    Leido leer(std::string &linea);
    int error() const { return error_; }

  private:
    bool leerMas();

    int fd_;
    std::size_t limite_;
    std::string datos_;       // bytes read and not yet handed out, from inicio_ on
    std::size_t inicio_ = 0;  // where the next line starts in datos_
    std::size_t buscado_ = 0; // datos_ before this holds no line end after inicio_
    bool saltando_ = false;   // inside a refused line, skipping up to its end
    bool fin_ = false;
    int error_ = 0;
};
