// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into a Qt program (LD_PRELOAD) with JUBO_MEDIR=1 set: at the first finished frame it
// prints the monotonic time and the peak resident memory so far, then ends the process. Both the
// game and the bare reference program are measured through this same helper, so neither carries
// measuring code of its own and both pay the same for it.
#include "Cuadro.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

void instalar() {
    if (qEnvironmentVariable("JUBO_MEDIR") != QLatin1String("1"))
        return;
    auto *cuadros = new Cuadros;
    cuadros->alTerminar = [](std::int64_t ns) {
        rusage uso{}; // ru_maxrss: the peak resident memory (VmHWM), in KiB
        getrusage(RUSAGE_SELF, &uso);
        std::fprintf(stderr, "jubo-medir: primer-cuadro %lld %ld\n", static_cast<long long>(ns),
                     uso.ru_maxrss);
        std::fflush(stderr);
        // Leaving through the program's own paths could open farewell boxes; the figures are in.
        std::_Exit(0);
    };
    QCoreApplication::instance()->installEventFilter(cuadros);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(instalar)
