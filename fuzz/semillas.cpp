// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the fuzzers' seeds and dictionary from the rule tables, so a new or changed rule is in
// the seeds at the next build. Usage: semillas <output folder>, which then holds
//   coincide/   "pattern\norder" pairs, each pattern with an order that satisfies it;
//   partida/    the walkthrough, and scripts pressing the buttons to a place, then one order;
//   juego.dict  every pattern word and front-end command, for -dict=.

#include "Atajos.h"
#include "Grabadora.h"
#include "Guardado.h"
#include "Guion.h"
#include "Reglas.h"
#include "Sitios.h"

#include <QDir>
#include <cstdio>
#include <map>
#include <set>

namespace {

QDir salida;

void escribir(const QString &nombre, const QByteArray &contenido) {
    QFile f(salida.filePath(nombre));
    if (!f.open(QIODevice::WriteOnly) || f.write(contenido) != contenido.size())
        qFatal("semillas: no se pudo escribir %s", qPrintable(f.fileName()));
}

// The shortest script of button lines from the entrance to every place, found by pressing them.
std::map<qint16, QByteArray> caminos() {
    std::map<qint16, QByteArray> camino{{Entrada, {}}};
    Grabadora g;
    for (std::size_t vuelta = 0; vuelta < Sitios.size(); ++vuelta)
        for (const auto &[lugar, ruta] : std::map(camino))
            for (const Atajo &a : Atajos) {
                Partida p(g);
                p.estado().Lugar = lugar;
                (p.*a.pulsar)();
                camino.try_emplace(p.estado().Lugar, ruta + a.linea + '\n');
            }
    return camino;
}

QByteArray entrecomillado(const QByteArray &s) {
    QByteArray r = "\"";
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\' || u < 0x20 || u >= 0x7f)
            r += QByteArray("\\x") + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            r += c;
    }
    return r + "\"\n";
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2)
        qFatal("uso: semillas <carpeta de salida>");
    salida.setPath(QString::fromLocal8Bit(argv[1]));
    salida.removeRecursively();
    if (!salida.mkpath(QStringLiteral("coincide")) || !salida.mkpath(QStringLiteral("partida")) ||
        !salida.mkpath(QStringLiteral("ficha")))
        qFatal("semillas: no se pudo crear %s", argv[1]);
    escribir(QStringLiteral("partida/solucion"), leerGuion().join(u'\n').toUtf8() + '\n');

    const auto camino = caminos();
    // A saved game from every place, and one near the end with the hint up.
    for (const auto &[lugar, ruta] : camino)
        escribir(QStringLiteral("ficha/lugar-%1").arg(lugar),
                 QByteArray::fromStdString(escribirFicha({.Lugar = lugar}, false)));
    escribir(QStringLiteral("ficha/pista"),
             QByteArray::fromStdString(escribirFicha({.Lugar = Cercanias,
                                                      .MazoCogido = 1,
                                                      .MensajeLeido = 1,
                                                      .DestornilladorVisto = 1,
                                                      .TieneTornillo = 1,
                                                      .TieneDestornillador = 1,
                                                      .TieneMazo = 1},
                                                     true)));
    std::set<QByteArray> palabras;
    int n = 0;
    for (qint16 lugar = 0; lugar <= qint16(Sitios.size()); ++lugar) {
        // The last round holds the rules valid everywhere, tried from the entrance.
        const bool generales = lugar == qint16(Sitios.size());
        for (const Regla &regla : generales ? ReglasGenerales : reglasDe(lugar)) {
            for (const char *p : regla.patrones) {
                const QByteArray patron = p;
                const QString nombre = QStringLiteral("regla-%1").arg(++n);
                escribir(QLatin1String("coincide/") + nombre, patron + '\n' + patron);
                escribir(QLatin1String("coincide/") + nombre + QLatin1String("-minusculas"),
                         patron + '\n' + patron.toLower() + '.');
                escribir(QLatin1String("partida/") + nombre,
                         camino.at(generales ? qint16(Entrada) : lugar) + patron.toLower() + '\n');
                // Each word with the space after it, as the matcher looks for it.
                const QList<QByteArray> trozos = patron.split(' ');
                for (qsizetype i = 0; i < trozos.size(); ++i)
                    palabras.insert(trozos[i] + (i + 1 < trozos.size() ? " " : ""));
            }
        }
    }
    if (n == 0)
        qFatal("semillas: las tablas de reglas están vacías");

    QByteArray diccionario;
    for (const QByteArray &w : palabras)
        diccionario += entrecomillado(w);
    for (const Atajo &a : Atajos)
        diccionario += entrecomillado(a.linea);
    diccionario += entrecomillado("\n") + entrecomillado("\r\n");
    escribir(QStringLiteral("juego.dict"), diccionario);
    std::printf("semillas: %d patrones, %zu palabras\n", n, palabras.size());
    return 0;
}
