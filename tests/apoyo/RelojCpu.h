// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTest>
#include <ctime>

// The processor time this thread has spent since start(), in milliseconds, used as QElapsedTimer
// is. Unlike the wall clock it does not run on while the machine is busy elsewhere, so a limit on
// it catches work that grows too fast without failing on a loaded machine; a hang is for TIMEOUT.
class RelojCpu {
  public:
    void start() { inicio_ = ahora(); }
    qint64 elapsed() const { return (ahora() - inicio_) / 1000000; }

  private:
    static qint64 ahora() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    }
    qint64 inicio_ = ahora();
};

// Fails the test, saying how long it took, unless `ms` is below `limite`.
#define VERIFICAR_PLAZO(ms, limite)                                                                \
    do {                                                                                           \
        const qint64 ms_ = (ms);                                                                   \
        QVERIFY2(ms_ < (limite), qPrintable(QStringLiteral("%1 ms").arg(ms_)));                    \
    } while (false)
