// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ServidorSonido.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>
#include <pulse/context.h>
#include <pulse/mainloop.h>

bool servidorDeSonidoResponde(int ms) {
    const QDeadlineTimer plazo(ms);
    pa_mainloop *bucle = pa_mainloop_new();
    if (!bucle)
        return false;
    pa_context *cliente = pa_context_new(pa_mainloop_get_api(bucle), "jubo");
    bool listo = false;
    // The same server, found the same way, as Qt Multimedia's own connection.
    if (cliente && pa_context_connect(cliente, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0) {
        for (;;) {
            const pa_context_state_t estado = pa_context_get_state(cliente);
            listo = estado == PA_CONTEXT_READY;
            if (listo || !PA_CONTEXT_IS_GOOD(estado) || plazo.hasExpired() ||
                QThread::currentThread()->isInterruptionRequested())
                break;
            // One round of the loop, waiting for the server 50 ms at most, so that a thread asked
            // to stop (the program is ending) does so at once.
            const auto espera = std::min<qint64>(plazo.remainingTime(), 50);
            if (pa_mainloop_prepare(bucle, int(espera) * 1000) < 0 || pa_mainloop_poll(bucle) < 0 ||
                pa_mainloop_dispatch(bucle) < 0)
                break;
        }
        pa_context_disconnect(cliente);
    }
    if (cliente)
        pa_context_unref(cliente);
    pa_mainloop_free(bucle);
    return listo;
}
