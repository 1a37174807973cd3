// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <optional>

// A WAV file made to measure, good or broken: by default 16-bit mono PCM at 22050 Hz, no samples.
struct FicheroWav {
    quint16 formato = 1; // 1: integer PCM, 3: floating point
    quint16 canales = 1;
    quint32 frecuencia = 22050;
    quint16 bits = 16;
    QByteArray muestras;                    // the data chunk's contents
    QByteArray otrosTrozos;                 // whole chunks between the format chunk and the data
    std::optional<quint32> tamanoDeclarado; // the data chunk's size field; its real size if unset

    QByteArray bytes() const {
        const quint16 bloque = quint16(canales * bits / 8);
        const QByteArray fmt = le(formato) + le(canales) + le(frecuencia) +
                               le(frecuencia * bloque) + le(bloque) + le(bits);
        const QByteArray cuerpo = "WAVEfmt " + le(quint32(fmt.size())) + fmt + otrosTrozos +
                                  "data" + le(tamanoDeclarado.value_or(quint32(muestras.size()))) +
                                  muestras;
        return "RIFF" + le(quint32(cuerpo.size())) + cuerpo;
    }

    bool guardar(const QString &ruta) const {
        QFile f(ruta);
        const QByteArray b = bytes();
        return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
    }

    // A sine wave at half of full scale, mono: 16-bit integers, or 32-bit floats (formato 3).
    static QByteArray tono(double hz, double segundos, quint32 frecuencia, bool flotante = false) {
        QByteArray s;
        const auto n = qsizetype(segundos * frecuencia);
        for (qsizetype i = 0; i < n; ++i) {
            const double v = 0.5 * std::sin(2 * std::numbers::pi * hz * double(i) / frecuencia);
            if (flotante) {
                const float f = float(v);
                s.append(reinterpret_cast<const char *>(&f), sizeof f);
            } else {
                s += le(quint16(qint16(v * 32767)));
            }
        }
        return s;
    }

    template <typename T> static QByteArray le(T v) {
        QByteArray b(sizeof v, '\0');
        qToLittleEndian(v, b.data());
        return b;
    }
};
