// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Guardar.h"

#include "Fichero.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far more than a token; a file larger than this is not one.
constexpr std::size_t LargoMaximo = 4096;

std::string porque(int error) {
    return std::strerror(error);
}

// The default folder and its parents, private as the XDG rules ask; a folder already there is
// left as it is.
void crearCarpetas(const std::string &fichero) {
    for (std::size_t barra = fichero.find('/', 1); barra != std::string::npos;
         barra = fichero.find('/', barra + 1))
        mkdir(fichero.substr(0, barra).c_str(), 0700);
}

bool escribirTodo(int fd, const std::string &datos) {
    std::size_t hecho = 0;
    while (hecho < datos.size()) {
        const ssize_t n = write(fd, datos.data() + hecho, datos.size() - hecho);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        hecho += std::size_t(n);
    }
    return true;
}

} // namespace

std::string ficheroPorDefecto() {
    const char *datos = std::getenv("XDG_DATA_HOME");
    if (datos && datos[0] == '/')
        return std::string(datos) + "/jubo/partida";
    const char *casa = std::getenv("HOME");
    if (casa && casa[0] == '/')
        return std::string(casa) + "/.local/share/jubo/partida";
    return {};
}

std::string guardarPartida(const std::string &fichero, const std::string &ficha) {
    const std::string fallo = "(no se puede guardar en " + fichero + ": ";
    if (fichero == ficheroPorDefecto())
        crearCarpetas(fichero);
    // Only a file of our own is replaced: never a device, a pipe or a folder given by mistake.
    struct stat actual;
    if (stat(fichero.c_str(), &actual) == 0 && !S_ISREG(actual.st_mode))
        return fallo + "no es un fichero normal)";
    std::string temporal = fichero + ".XXXXXX";
    const int fd = mkstemp(temporal.data()); // created 0600
    if (fd < 0)
        return fallo + porque(errno) + ")";
    const bool escrito = escribirTodo(fd, ficha + "\n") && fsync(fd) == 0;
    const int error = errno;
    if (close(fd) != 0 || !escrito) {
        unlink(temporal.c_str());
        return fallo + porque(escrito ? errno : error) + ")";
    }
    if (rename(temporal.c_str(), fichero.c_str()) != 0) {
        const int e = errno;
        unlink(temporal.c_str());
        return fallo + porque(e) + ")";
    }
    return "(partida guardada en " + fichero + ")";
}

std::string leerPartida(const std::string &fichero, std::string &ficha) {
    const std::string fallo = "(no se puede leer " + fichero + ": ";
    Lectura l = leerFicheroPequeno(fichero, LargoMaximo);
    switch (l.que) {
    case Lectura::Que::NoExiste:
    case Lectura::Que::Fallo: return fallo + porque(l.error) + ")";
    case Lectura::Que::NoEsFichero: return fallo + "no es un fichero normal)";
    case Lectura::Que::Leido:
    case Lectura::Que::Largo: break; // one too long is refused by the game like any bad token
    }
    ficha = std::move(l.texto);
    return {};
}
