// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dibujos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList carpetasDibujos() {
    const QDir programa(QCoreApplication::applicationDirPath());
    return {
        QDir::current().filePath(QStringLiteral("Archivos/Dibujos")),
        programa.filePath(QStringLiteral("Archivos/Dibujos")),
        QDir::cleanPath(programa.filePath(QStringLiteral("../share/jubo/Archivos/Dibujos"))),
    };
}

QPixmap leerDibujo(const QString &fichero, const QStringList &carpetas) {
    for (const QString &carpeta : carpetas) {
        const QString ruta = QDir(carpeta).filePath(fichero);
        if (!QFileInfo(ruta).isFile())
            continue;
        QPixmap imagen;
        if (imagen.load(ruta))
            return imagen;
    }
    return {};
}
