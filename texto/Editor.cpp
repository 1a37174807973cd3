// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Editor.h"

#include "Fichero.h"

#include "Descriptor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <sys/auxv.h>
#include <unistd.h>

namespace {

// Enough orders to walk back through a whole game; longer lines than this are pastes nobody
// wants back, and leaving them out keeps the history small.
constexpr int OrdenesRecordadas = 200;
constexpr std::size_t LargoRecordado = 64 * 1024;

// Far more than anyone writes by hand; a longer file is no one's settings.
constexpr std::size_t LargoConfiguracion = 64 * 1024;

char *indicador(EditLine *) {
    static char texto[] = "> ";
    return texto;
}

// Where libedit looks for its settings: $EDITRC (set but empty: nowhere), else ~/.editrc; and
// never for a program running with another user's rights.
std::string ficheroConfiguracion() {
    if (getauxval(AT_SECURE) != 0)
        return {};
    if (const char *editrc = std::getenv("EDITRC"))
        return editrc;
    const char *casa = std::getenv("HOME");
    return casa && *casa ? std::string(casa) + "/.editrc" : std::string();
}

// The settings' text, read only from a plain file of sane size; otherwise nothing, and in
// `aviso` why not. libedit's own reading takes whatever it finds: a named pipe stops the program
// before its first prompt, and /dev/zero or a file under /proc (which claims a size of 0) is read
// for ever.
std::string leerConfiguracion(const std::string &ruta, std::string &aviso) {
    const Lectura l = leerFicheroPequeno(ruta, LargoConfiguracion);
    const char *por = nullptr;
    switch (l.que) {
    case Lectura::Que::Leido: return l.texto;
    case Lectura::Que::NoExiste: return {};
    case Lectura::Que::Fallo: por = std::strerror(l.error); break;
    case Lectura::Que::NoEsFichero:
        // /dev/null: settings turned off, as EDITRC=/dev/null is meant to.
        if (l.nulo)
            return {};
        por = "no es un fichero normal";
        break;
    case Lectura::Que::Largo: por = "pasa de 64 KiB"; break;
    }
    aviso = "no se lee la configuración " + ruta + ": " + por;
    return {};
}

// Each line as libedit's el_source takes it: blank lines and those starting with "#" skipped,
// the words split as a shell would, and reading stopped at the first line libedit refuses.
void aplicarConfiguracion(EditLine *el, const std::string &texto) {
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fin = texto.find('\n', inicio);
        if (fin == std::string::npos)
            fin = texto.size();
        const std::string linea = texto.substr(inicio, fin - inicio);
        inicio = fin + 1;
        const std::size_t primera = linea.find_first_not_of(" \t\v\f\r");
        if (primera == std::string::npos || linea[primera] == '#')
            continue;
        Tokenizer *palabras = tok_init(nullptr);
        int cuantas = 0;
        const char **lista = nullptr;
        const bool partida = tok_str(palabras, linea.c_str(), &cuantas, &lista) == 0;
        const bool rechazada = partida && cuantas > 0 && el_parse(el, cuantas, lista) == -1;
        tok_end(palabras);
        if (rechazada)
            break;
    }
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
    if (const std::string ruta = ficheroConfiguracion(); !ruta.empty())
        aplicarConfiguracion(el_, leerConfiguracion(ruta, aviso_));
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
