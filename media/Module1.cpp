// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <memory>

namespace Module1 {

namespace {

Salida &salida() {
    static Salida s;
    return s;
}

// The loudspeaker is the module jubo_altavoz, beside the program in the build tree and in
// <libdir>/jubo when installed. Without it the cues are silence.
Salida cargarAltavoz() {
    const QString programa = QCoreApplication::applicationDirPath();
    const QString sitios[] = {
        programa + QStringLiteral("/libjubo_altavoz.so"),
        programa + QStringLiteral("/../" JUBO_LIBDIR "/jubo/libjubo_altavoz.so"),
    };
    using Fabrica = Salida *(*)(const QString &);
    for (const QString &sitio : sitios) {
        // Never unloaded: the player it makes lives until the process ends.
        if (auto crear =
                reinterpret_cast<Fabrica>(QLibrary::resolve(sitio, "jubo_altavoz_crear"))) {
            const std::unique_ptr<Salida> altavoz(crear(programa));
            return *altavoz;
        }
    }
    return {};
}

void altavozReal(Sonido s) {
    // Loaded on the first cue, never before: a run that plays nothing loads no audio library and
    // touches no audio device.
    static const Salida altavoz = cargarAltavoz();
    if (altavoz)
        altavoz(s);
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
        altavozReal(s);
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
