// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Module1.h"

#include "HiloSonido.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Module1 {

namespace {

Salida &salida() {
    static Salida s;
    return s;
}

// Started on the first cue, never before: a run that plays nothing loads no audio library and
// touches no audio device. Never destroyed: it may be stuck in the audio system when the program
// ends (it stops by itself then, see HiloSonido.h).
HiloSonido &hilo() {
    static HiloSonido *const h =
        new HiloSonido(sitiosAltavoz(QCoreApplication::applicationDirPath()));
    return *h;
}

} // namespace

Salida ponerSalida(Salida nueva) {
    Salida vieja = std::move(salida());
    salida() = std::move(nueva);
    return vieja;
}

void tocar(Sonido s) {
    if (salida())
        salida()(s);
    else
        hilo().tocar(ficheroSonido(s, QCoreApplication::applicationDirPath()));
}

bool esperar(int ms) {
    return salida() || hilo().esperar(ms);
}

QStringList sitiosAltavoz(const QString &carpetaPrograma) {
    // Beside the program in the build tree; where it is installed, at the same place relative to
    // the program as the installed libraries folder.
    const QString fichero = QStringLiteral(JUBO_ALTAVOZ_FICHERO);
    return {QDir::cleanPath(carpetaPrograma + u'/' + fichero),
            QDir::cleanPath(carpetaPrograma + QStringLiteral("/" JUBO_ALTAVOZ_INSTALADO "/") +
                            fichero)};
}

QString ficheroSonido(Sonido s, const QString &carpetaPrograma) {
    const QString nombre = QString::fromLatin1(nombreSonido(s)) + QStringLiteral(".wav");
    const QDir programa(carpetaPrograma);
    const QString candidatos[] = {
        programa.filePath(QStringLiteral("Archivos/Sonidos/") + nombre),
        programa.filePath(QStringLiteral("../share/jubo/Archivos/Sonidos/") + nombre),
    };
    for (const QString &c : candidatos)
        if (QFileInfo(c).isFile())
            return QDir::cleanPath(c);
    return {};
}

void Cagonto() {
    tocar(Sonido::Cagonto);
}
void Empieza() {
    tocar(Sonido::Empieza);
}
void Direccion() {
    tocar(Sonido::Direccion);
}
void Ayuda() {
    tocar(Sonido::Ayuda);
}
void Objeto() {
    tocar(Sonido::Objeto);
}
void Ver() {
    tocar(Sonido::Ver);
}

} // namespace Module1
