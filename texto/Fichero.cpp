// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fichero.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

Lectura leerFicheroPequeno(const std::string &ruta, std::size_t limite) {
    // Without waiting for a writer, should it be a named pipe.
    const int fd = open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT ? Lectura::Que::NoExiste : Lectura::Que::Fallo, {}, errno, false};
    Lectura l{Lectura::Que::Leido, {}, 0, false};
    struct stat datos {};
    if (fstat(fd, &datos) != 0) {
        l = {Lectura::Que::Fallo, {}, errno, false};
    } else if (!S_ISREG(datos.st_mode)) {
        l.que = Lectura::Que::NoEsFichero;
        l.nulo = S_ISCHR(datos.st_mode) && datos.st_rdev == makedev(1, 3);
    } else {
        l.texto.resize(limite + 1); // one byte more tells a file that is too long
        std::size_t leidos = 0;
        while (leidos < l.texto.size()) {
            const ssize_t n = read(fd, l.texto.data() + leidos, l.texto.size() - leidos);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                l = {Lectura::Que::Fallo, {}, errno, false};
                break;
            }
            if (n == 0)
                break;
            leidos += std::size_t(n);
        }
        if (l.que == Lectura::Que::Leido) {
            l.texto.resize(leidos);
            if (leidos > limite)
                l.que = Lectura::Que::Largo;
        }
    }
    close(fd);
    return l;
}
