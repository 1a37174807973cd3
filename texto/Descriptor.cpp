// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Descriptor.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {

// Waits until fd is ready for `suceso`; false (with errno set) if it never can be.
bool esperar(int fd, short suceso) {
    pollfd p{fd, suceso, 0};
    while (poll(&p, 1, -1) < 0) {
        if (errno != EINTR)
            return false;
    }
    if (p.revents & POLLNVAL) {
        errno = EBADF;
        return false;
    }
    // Ready, hung up or in error: the next read or write says which.
    return true;
}

bool reintentar(int fd, short suceso) {
    if (errno == EINTR)
        return true;
    if (errno == EAGAIN || errno == EWOULDBLOCK)
        return esperar(fd, suceso);
    return false;
}

} // namespace

ssize_t leerDe(int fd, char *datos, std::size_t n) {
    for (;;) {
        const ssize_t leidos = read(fd, datos, n);
        if (leidos >= 0 || !reintentar(fd, POLLIN))
            return leidos;
    }
}

bool escribirEn(int fd, const char *datos, std::size_t n) {
    while (n > 0) {
        const ssize_t escritos = write(fd, datos, n);
        if (escritos > 0) {
            datos += escritos;
            n -= std::size_t(escritos);
        } else if (escritos == 0) {
            errno = EIO; // nothing written and no reason given
            return false;
        } else if (!reintentar(fd, POLLOUT)) {
            return false;
        }
    }
    return true;
}
