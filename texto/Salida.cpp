// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Salida.h"

#include "Descriptor.h"

#include <cerrno>

Salida::Salida(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

Salida::~Salida() {
    vaciar();
}

bool Salida::vaciar() {
    const std::size_t n = std::size_t(pptr() - pbase());
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    if (error_ == 0 && n > 0 && !escribirEn(fd_, buffer_.data(), n))
        error_ = errno;
    return error_ == 0;
}

Salida::int_type Salida::overflow(int_type c) {
    if (!vaciar())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof()))
        sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
}

int Salida::sync() {
    return vaciar() ? 0 : -1;
}
