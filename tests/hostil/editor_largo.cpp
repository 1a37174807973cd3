// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The line editor on a pseudo-terminal with a small bound: a pasted line past the bound is
// refused without being held whole, a line at the bound is taken, and the next one is read.

#include "Editor.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::size_t Limite = 1000;

// In the child, on the terminal: what the editor makes of the lines, one per line on `informe`.
[[noreturn]] void editar(int informe) {
    setenv("TERM", "dumb", 1);
    setenv("EDITRC", "/dev/null", 1);
    auto editor = Editor::abrir("editor_largo", Limite);
    std::string texto;
    std::string linea;
    for (;;) {
        switch (editor->leer(linea)) {
        case Leido::Linea:
            texto += "linea " + std::to_string(linea.size()) + " " + linea.substr(0, 5) + "\n";
            continue;
        case Leido::Larga: texto += "larga\n"; continue;
        case Leido::Fin: texto += "fin\n"; break;
        case Leido::Error: texto += "error\n"; break;
        }
        break;
    }
    (void)!write(informe, texto.data(), texto.size());
    _exit(0);
}

} // namespace

int main() {
    int maestro = -1;
    int tubo[2];
    const pid_t hijo = pipe(tubo) == 0 ? forkpty(&maestro, nullptr, nullptr, nullptr) : -1;
    if (hijo < 0) {
        std::perror("editor_largo");
        return 1;
    }
    if (hijo == 0)
        editar(tubo[1]);
    close(tubo[1]);

    // Typed as one paste: too long by half, then a short order, then exactly the bound.
    const std::string tecleado =
        std::string(Limite + Limite / 2, 'x') + "\rmirar coche\r" + std::string(Limite, 'y') + "\r";
    std::size_t enviado = 0;
    int estado = 0;
    bool acabado = false;
    const auto hasta = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!acabado && std::chrono::steady_clock::now() < hasta) {
        pollfd p{maestro, short(POLLIN | (enviado < tecleado.size() ? POLLOUT : 0)), 0};
        const int listos = poll(&p, 1, 500);
        if (listos > 0 && (p.revents & POLLOUT)) {
            const ssize_t n = write(maestro, tecleado.data() + enviado,
                                    std::min<std::size_t>(256, tecleado.size() - enviado));
            enviado += std::size_t(n > 0 ? n : 0);
        }
        char eco[4096];
        // What the editor draws is not checked; it is read so the terminal never fills up.
        if (listos > 0 && (p.revents & POLLIN))
            (void)!read(maestro, eco, sizeof eco);
        // Ctrl-D when all is typed and quiet. The terminal itself takes a Ctrl-D typed while the
        // editor is between two lines, as with any line editor, so it is typed until it ends.
        if (listos == 0 && enviado == tecleado.size())
            (void)!write(maestro, "\x04", 1);
        acabado = waitpid(hijo, &estado, WNOHANG) == hijo;
    }
    if (!acabado) {
        kill(hijo, SIGKILL);
        waitpid(hijo, &estado, 0);
    }
    std::string informe;
    char trozo[256];
    for (ssize_t n; (n = read(tubo[0], trozo, sizeof trozo)) > 0;)
        informe.append(trozo, std::size_t(n));

    const std::string esperado = "larga\nlinea 11 mirar\nlinea 1000 yyyyy\nfin\n";
    if (informe != esperado || !WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        std::fprintf(stderr, "editor_largo: expected\n%sgot (status %d)\n%s", esperado.c_str(),
                     estado, informe.c_str());
        return 1;
    }
    std::puts("editor_largo: a line past the bound refused, the next ones read");
    return 0;
}
