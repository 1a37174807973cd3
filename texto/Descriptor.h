// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <sys/types.h>

// read(2) and write(2) that wait for a non-blocking descriptor with poll() instead of taking
// "not ready yet" (EAGAIN) for a failure, and go on after a signal (EINTR). Failures keep errno.

// Reads at most n bytes: how many (1 or more), 0 at the end of input, -1 on a read error.
ssize_t leerDe(int fd, char *datos, std::size_t n);

// Writes all n bytes; false on a write error.
bool escribirEn(int fd, const char *datos, std::size_t n);
