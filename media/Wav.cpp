// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Wav.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Little-endian fields, byte by byte: callers have checked the bounds.
quint32 leer16(const QByteArray &b, qsizetype i) {
    return quint32(quint8(b.at(i))) | quint32(quint8(b.at(i + 1))) << 8;
}
quint32 leer32(const QByteArray &b, qsizetype i) {
    return leer16(b, i) | leer16(b, i + 2) << 16;
}

// Cues are short; a file far larger than any cue is not worth reading into memory.
constexpr qint64 TamanoMaximo = 64 * 1024 * 1024;

} // namespace

bool wavReproducible(const QByteArray &b) {
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return false;
    bool formato = false;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const QByteArray id = b.mid(i, 4);
        const quint32 tamano = leer32(b, i + 4);
        const qsizetype cuerpo = i + 8;
        if (tamano > quint32(b.size() - cuerpo))
            return false; // cut short
        if (id == "fmt ") {
            if (tamano < 16)
                return false;
            const quint16 tipo = leer16(b, cuerpo);
            const quint16 canales = leer16(b, cuerpo + 2);
            const quint32 muestreo = leer32(b, cuerpo + 4);
            const quint16 bits = leer16(b, cuerpo + 14);
            formato = tipo == 1 && (canales == 1 || canales == 2) && muestreo >= 1000 &&
                      muestreo <= 192000 && (bits == 8 || bits == 16);
            if (!formato)
                return false;
        } else if (id == "data") {
            return formato && tamano > 0;
        }
        i = cuerpo + qsizetype(tamano) + (tamano & 1); // chunks are padded to an even size
    }
    return false;
}

bool wavReproducible(const QString &fichero) {
    // A named pipe would hold the open until someone writes into it.
    if (!QFileInfo(fichero).isFile())
        return false;
    QFile f(fichero);
    if (!f.open(QIODevice::ReadOnly) || f.size() > TamanoMaximo)
        return false;
    // The size is only what the file claims: those under /proc claim 0 and may never end.
    const QByteArray contenido = f.read(TamanoMaximo + 1);
    return contenido.size() <= TamanoMaximo && wavReproducible(contenido);
}
