// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Lineas.h"

#include <cstddef>
#include <histedit.h>
#include <memory>
#include <string>

// Line editing on a terminal with libedit: the arrow keys move in the line, Up and Down recall
// earlier orders, and ~/.editrc (or $EDITRC) applies as in other programs that use it, when it is
// a plain file of at most 64 KiB. Standard input is read through our own function, so a
// non-blocking terminal is waited on, a read error is told apart from the end of input, and a
// pasted line longer than `limite` bytes is cut off while it comes in rather than held whole.
class Editor {
  public:
    // nullptr when libedit cannot start (no memory, no usable terminal).
    static std::unique_ptr<Editor> abrir(const char *programa, std::size_t limite);
    ~Editor();
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    Leido leer(std::string &linea);
    int error() const { return error_; }
    // Why the settings file was not read, in one line; empty if it was, or there is none.
    const std::string &aviso() const { return aviso_; }

  private:
    Editor(EditLine *el, std::size_t limite);
    static int leerCaracter(EditLine *el, wchar_t *c);

    EditLine *el_;
    History *historia_;
    std::size_t limite_;
    std::size_t enLinea_ = 0; // bytes typed since the last line end
    bool recortada_ = false;  // the line passed the bound and lost its tail
    int error_ = 0;
    std::string aviso_;
};
