// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Consola.h"

#include "Atajos.h"
#include "Textos.h"

namespace {

QString decodificar(std::string bytes) {
    if (!bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    // fromUtf8 turns every invalid sequence into U+FFFD.
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

Consola::Consola(std::ostream &salida, Sorteo sorteo, bool eco)
    : salida_(salida), eco_(eco), partida_(*this, std::move(sorteo)) {}

void Consola::escribir(const QString &linea) {
    const QByteArray utf8 = linea.toUtf8();
    salida_.write(utf8.constData(), utf8.size());
    salida_.put('\n');
}

void Consola::escribirLugar() {
    escribir(
        QStringLiteral("== %1 ==").arg(QString::fromUtf8(Sitios[partida_.estado().Lugar].nombre)));
    QStringList salidas;
    if (botones_.PaLante)
        salidas << QStringLiteral("/palante");
    if (botones_.Patras)
        salidas << QStringLiteral("/patras");
    if (botones_.Izquierda)
        salidas << QStringLiteral("/izquierda");
    if (botones_.Derecha)
        salidas << QStringLiteral("/derecha");
    escribir(QStringLiteral("(salidas: %1)").arg(salidas.join(QStringLiteral(", "))));
}

void Consola::escribirSonidos() {
    for (const QString &s : std::as_const(sonidos_))
        escribir(QStringLiteral("(suena %1)").arg(s));
    sonidos_.clear();
}

void Consola::empezar() {
    escribir(
        QStringLiteral("(Las rozozerad der Jubo. Escribe órdenes como MIRAR COCHE; /palante, "
                       "/patras, /izquierda y /derecha te mueven, /ver mira y /inventario dice "
                       "lo que llevas)"));
    partida_.Cargar();
    escribirLugar();
    escribirSonidos();
    salida_.flush();
}

bool Consola::accion(const std::string &bytes) {
    const QString linea = decodificar(bytes);
    if (eco_)
        escribir(QStringLiteral("> ") + linea);

    const qint16 antes = partida_.estado().Lugar;
    jugarLinea(partida_, linea);

    if (terminado_) {
        salida_.flush();
        return false;
    }
    if (ganado_) {
        escribirSonidos();
        escribir(QStringLiteral("== Final =="));
        escribir(QString::fromUtf8(TextoEnhorabuena));
        escribir(QString::fromUtf8(TextoFinal));
        salida_.flush();
        return false;
    }
    if (partida_.estado().Lugar != antes)
        escribirLugar();
    escribirSonidos();
    for (const QString &l : std::as_const(lista_))
        escribir(l);
    if (pista_)
        escribir(QStringLiteral("** %1 **").arg(QString::fromUtf8(TextoPista)));
    salida_.flush();
    return true;
}
