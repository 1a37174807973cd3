// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CargarAltavoz.h"

#include "Altavoz.h"

#include <QFileInfo>
#include <QPluginLoader>
#include <cstdio>
#include <memory>

QPluginLoader *cargarAltavoz(const QStringList &sitios) {
    QString fallo;
    for (const QString &sitio : sitios) {
        if (!QFileInfo(sitio).isFile())
            continue;
        // Qt reads the file's ELF headers and the plug-in's metadata before handing it to the
        // dynamic loader, and refuses a file cut short (whose mapping would end in SIGBUS).
        auto cargador = std::make_unique<QPluginLoader>(sitio);
        QObject *raiz = cargador->instance();
        if (qobject_cast<Altavoz *>(raiz))
            return cargador.release();
        if (fallo.isEmpty())
            fallo = raiz ? sitio + QStringLiteral(" no es el altavoz del juego")
                         : cargador->errorString(); // names the file
    }
    if (fallo.isEmpty())
        fallo = QStringLiteral("no está en ") + sitios.join(QStringLiteral(" ni en "));
    std::fprintf(stderr, "jubo: no se puede cargar el altavoz (%s); el juego sigue sin sonido\n",
                 qPrintable(fallo));
    std::fflush(stderr);
    return nullptr;
}
