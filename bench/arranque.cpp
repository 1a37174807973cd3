// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into a Qt program (LD_PRELOAD) with JUBO_MEDIR=1 set: at the first finished frame it
// prints the monotonic time and the peak resident memory so far, then ends the process. Both the
// game and the bare reference program are measured through this same helper, so neither carries
// measuring code of its own and both pay the same for it.
#include "Cuadro.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

long picoMemoriaKiB() {
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void instalar() {
    if (qEnvironmentVariable("JUBO_MEDIR") != QLatin1String("1"))
        return;
    auto *cuadros = new Cuadros;
    cuadros->alTerminar = [](std::int64_t ns) {
        std::fprintf(stderr, "jubo-medir: primer-cuadro %lld %ld\n", static_cast<long long>(ns),
                     picoMemoriaKiB());
        std::fflush(stderr);
        // Leaving through the program's own paths could open farewell boxes; the figures are in.
        std::_Exit(0);
    };
    QCoreApplication::instance()->installEventFilter(cuadros);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(instalar)
