// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Lineas.h"

#include "Descriptor.h"

#include <cerrno>

namespace {
constexpr std::size_t Trozo = 64 * 1024;
}

Lineas::Lineas(int fd, std::size_t limite) : fd_(fd), limite_(limite) {}

bool Lineas::leerMas() {
    // Drop what was handed out, so the buffer holds at most one line (up to the bound) and a piece.
    datos_.erase(0, inicio_);
    buscado_ -= inicio_;
    inicio_ = 0;
    const std::size_t antes = datos_.size();
    datos_.resize(antes + Trozo);
    const ssize_t n = leerDe(fd_, datos_.data() + antes, Trozo);
    datos_.resize(antes + std::size_t(n > 0 ? n : 0));
    if (n < 0)
        error_ = errno;
    return n > 0;
}

Leido Lineas::leer(std::string &linea) {
    for (;;) {
        if (error_ != 0)
            return Leido::Error;
        const std::size_t nl = datos_.find('\n', buscado_);
        if (nl != std::string::npos) {
            const std::size_t largo = nl - inicio_;
            const std::size_t empieza = inicio_;
            inicio_ = buscado_ = nl + 1;
            if (saltando_) {
                saltando_ = false;
                continue;
            }
            if (largo > limite_)
                return Leido::Larga;
            linea.assign(datos_, empieza, largo);
            return Leido::Linea;
        }
        buscado_ = datos_.size();
        if (datos_.size() - inicio_ > limite_ || (saltando_ && buscado_ > inicio_)) {
            // Too long already: forget it and skip the rest of it as it comes.
            inicio_ = buscado_;
            if (!saltando_) {
                saltando_ = true;
                return Leido::Larga;
            }
        }
        if (fin_ || !leerMas()) {
            if (error_ != 0)
                return Leido::Error;
            fin_ = true;
            // The last line may lack its line end.
            if (saltando_ || inicio_ == datos_.size())
                return Leido::Fin;
            linea.assign(datos_, inicio_, std::string::npos);
            inicio_ = buscado_ = datos_.size();
            return Leido::Linea;
        }
    }
}
