// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QStringList>

// The walkthrough, a jubo-texto script that wins the game from its first state and from any state
// the hostile tests leave: its lines, trimmed, blank ones left out.
inline QStringList leerGuion() {
    QFile f(QStringLiteral(JUBO_SOLUCION));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no se puede leer %s", JUBO_SOLUCION);
    QStringList lineas;
    for (const QByteArray &bruta : f.readAll().split('\n'))
        if (const QString l = QString::fromUtf8(bruta.trimmed()); !l.isEmpty())
            lineas << l;
    return lineas;
}
