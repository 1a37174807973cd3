// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Atajos.h"

const Atajo *buscarAtajo(QStringView linea) {
    for (const Atajo &a : Atajos)
        if (linea == QLatin1StringView(a.linea))
            return &a;
    return nullptr;
}

void jugarLinea(Partida &partida, const QString &linea) {
    if (const Atajo *a = buscarAtajo(linea))
        (partida.*a->pulsar)();
    else
        partida.ProcesarOrden(linea);
}
