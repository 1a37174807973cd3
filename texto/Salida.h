// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <streambuf>

// A stream buffer over a file descriptor that remembers why writing failed (a full disk, a closed
// descriptor, a reader that has gone), which std::cout would only turn into a failed state.
class Salida : public std::streambuf {
  public:
    explicit Salida(int fd);
    ~Salida() override;

    // The errno of the first failed write; 0 while everything has gone out.
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool vaciar();

    int fd_;
    int error_ = 0;
    std::array<char, 64 * 1024> buffer_;
};
