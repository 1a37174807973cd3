// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QStringList>

// The lines of a jubo-texto script, trimmed, blank ones left out. By default the walkthrough,
// which wins the game from its first state and from any state the hostile tests leave.
inline QStringList leerGuion(const QString &ruta = QStringLiteral(JUBO_SOLUCION)) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no se puede leer %s", qPrintable(ruta));
    QStringList lineas;
    for (const QByteArray &bruta : f.readAll().split('\n'))
        if (const QString l = QString::fromUtf8(bruta.trimmed()); !l.isEmpty())
            lineas << l;
    return lineas;
}
