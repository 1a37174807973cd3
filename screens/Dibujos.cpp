// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dibujos.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// Every scan of a JPEG starts with an SOS marker (FF DA), and those two bytes never occur inside
// the coded data, where an FF is always followed by 00 or a restart marker. Counting them is
// therefore a cheap upper bound on the scans a decoder would go through.
qsizetype escaneos(const QByteArray &datos) {
    if (!datos.startsWith("\xFF\xD8"))
        return 0;
    return datos.count(QByteArrayView("\xFF\xDA", 2));
}

QImage decodificar(const QString &ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly) || fichero.size() > LimiteDibujo::Bytes)
        return {};
    QByteArray datos = fichero.read(LimiteDibujo::Bytes + 1); // it may have grown meanwhile
    if (datos.size() > LimiteDibujo::Bytes || escaneos(datos) > LimiteDibujo::Escaneos)
        return {};
    QBuffer memoria(&datos);
    memoria.open(QIODevice::ReadOnly);
    QImageReader lector(&memoria); // the format is told by the content
    lector.setAllocationLimit(int(LimiteDibujo::Pixeles * 4 >> 20) + 1);
    const QSize tamano = lector.size();
    if (tamano.isValid() && qint64(tamano.width()) * tamano.height() > LimiteDibujo::Pixeles)
        return {};
    return lector.read();
}

} // namespace

QStringList carpetasDibujos() {
    const QDir programa(QCoreApplication::applicationDirPath());
    return {
        QDir::current().filePath(QStringLiteral("Archivos/Dibujos")),
        programa.filePath(QStringLiteral("Archivos/Dibujos")),
        QDir::cleanPath(programa.filePath(QStringLiteral("../share/jubo/Archivos/Dibujos"))),
    };
}

QImage leerDibujo(const QString &fichero, const QStringList &carpetas) {
    for (const QString &carpeta : carpetas) {
        const QString ruta = QDir(carpeta).filePath(fichero);
        if (!QFileInfo(ruta).isFile())
            continue;
        QImage imagen = decodificar(ruta);
        if (!imagen.isNull())
            return imagen;
    }
    return {};
}

LectorDibujos::LectorDibujos(QObject *padre) : QObject(padre) {
    hilo_.setMaxThreadCount(1); // one picture at a time, so they are answered in order
}

LectorDibujos::~LectorDibujos() {
    hilo_.clear();
    hilo_.waitForDone();
}

void LectorDibujos::pedir(const QString &fichero, const QStringList &carpetas) {
    const quint64 numero = ++ultimo_;
    hilo_.clear(); // the player has already left the places still waiting
    hilo_.start([this, numero, fichero, carpetas] {
        const QImage imagen = leerDibujo(fichero, carpetas);
        // Answered on the window's thread; posted to this object, so nothing arrives once it is
        // gone.
        QMetaObject::invokeMethod(
            this,
            [this, numero, imagen] {
                if (numero != ultimo_)
                    return; // the player has moved on since
                respondido_ = numero;
                if (!imagen.isNull())
                    emit leido(imagen);
            },
            Qt::QueuedConnection);
    });
}
