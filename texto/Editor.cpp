// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Editor.h"

#include "Descriptor.h"

#include <cerrno>
#include <cstdio>
#include <cwchar>
#include <unistd.h>

namespace {

// Enough orders to walk back through a whole game; longer lines than this are pastes nobody
// wants back, and leaving them out keeps the history small.
constexpr int OrdenesRecordadas = 200;
constexpr std::size_t LargoRecordado = 64 * 1024;

char *indicador(EditLine *) {
    static char texto[] = "> ";
    return texto;
}

} // namespace

std::unique_ptr<Editor> Editor::abrir(const char *programa, std::size_t limite) {
    EditLine *el = el_init(programa, stdin, stdout, stderr);
    if (el == nullptr)
        return nullptr;
    return std::unique_ptr<Editor>(new Editor(el, limite));
}

Editor::Editor(EditLine *el, std::size_t limite)
    : el_(el), historia_(history_init()), limite_(limite) {
    HistEvent suceso;
    history(historia_, &suceso, H_SETSIZE, OrdenesRecordadas);
    history(historia_, &suceso, H_SETUNIQUE, 1);
    el_set(el_, EL_CLIENTDATA, this);
    el_set(el_, EL_GETCFN, &Editor::leerCaracter);
    el_set(el_, EL_PROMPT, &indicador);
    el_set(el_, EL_EDITOR, "emacs");
    el_set(el_, EL_HIST, history, historia_);
    // Ctrl-C and the like leave the terminal as it was before they end the program.
    el_set(el_, EL_SIGNAL, 1);
    el_source(el_, nullptr);
}

Editor::~Editor() {
    el_end(el_);
    history_end(historia_);
}

int Editor::leerCaracter(EditLine *el, wchar_t *c) {
    Editor *yo = nullptr;
    el_get(el, EL_CLIENTDATA, &yo);
    std::mbstate_t estado{};
    std::size_t bytes = 0;
    for (;;) {
        char b;
        const ssize_t n = leerDe(STDIN_FILENO, &b, 1);
        if (n <= 0) {
            if (n < 0)
                yo->error_ = errno;
            *c = L'\0';
            return int(n);
        }
        ++bytes;
        const std::size_t r = std::mbrtowc(c, &b, 1, &estado);
        if (r == std::size_t(-2))
            continue; // the character goes on
        if (r == std::size_t(-1)) {
            estado = {}; // not UTF-8: dropped, as libedit itself does
            bytes = 0;
            continue;
        }
        if (*c == L'\0') {
            // What the terminal leaves of a Ctrl-D typed while the game was answering. libedit
            // would take it for "insert the next key as it is", and the next Ctrl-D would then
            // go into the line instead of ending the game.
            bytes = 0;
            continue;
        }
        if (*c == L'\n' || *c == L'\r') {
            yo->enLinea_ = 0;
            return 1;
        }
        yo->enLinea_ += bytes;
        if (yo->enLinea_ > yo->limite_) {
            yo->recortada_ = true; // past the bound: swallowed up to the line end
            bytes = 0;
            continue;
        }
        return 1;
    }
}

Leido Editor::leer(std::string &linea) {
    int n = 0;
    const char *texto = el_gets(el_, &n);
    if (texto == nullptr || n <= 0) {
        // n is 0 for Ctrl-D on an empty line, -1 when reading stopped: an error or the end.
        return error_ != 0 ? Leido::Error : Leido::Fin;
    }
    if (recortada_) {
        recortada_ = false;
        return Leido::Larga;
    }
    linea.assign(texto, std::size_t(n));
    if (!linea.empty() && linea.back() == '\n')
        linea.pop_back();
    if (!linea.empty() && linea.size() <= LargoRecordado) {
        HistEvent suceso;
        history(historia_, &suceso, H_ENTER, linea.c_str());
    }
    return Leido::Linea;
}
