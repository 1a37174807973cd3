// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AltavozEfectos.h"

#include "ServidorSonido.h"
#include "Wav.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

// A server at work answers in a few milliseconds; one that has not in this long is taken as
// stalled, and the cue as silence.
constexpr int PlazoServidor = 2000;

} // namespace

AltavozEfectos::~AltavozEfectos() {
    for (auto &[nombre, fichero] : ficheros_)
        delete fichero.efecto;
}

bool AltavozEfectos::hayServidor() {
    if (!servidor_)
        servidor_ = servidorDeSonidoResponde(PlazoServidor);
    return servidor_;
}

QSoundEffect *AltavozEfectos::efecto(const QString &fichero) {
    auto [it, nuevo] = ficheros_.try_emplace(fichero);
    Fichero &f = it->second;
    if (nuevo)
        f.reproducible = !fichero.isEmpty() && wavReproducible(fichero);
    // Making an effect already opens Qt Multimedia's connection to the server: ask it first.
    if (f.reproducible && !f.efecto && hayServidor()) {
        // Loading and decoding happen in the background; play() before that is queued.
        f.efecto = new QSoundEffect;
        f.efecto->setSource(QUrl::fromLocalFile(fichero));
    }
    return f.efecto;
}

void AltavozEfectos::tocar(const QString &fichero) {
    // Only one cue at a time: whatever is still playing stops, even if the new one is silent.
    if (sonando_)
        sonando_->stop();
    sonando_ = efecto(fichero);
    if (sonando_)
        sonando_->play();
}
