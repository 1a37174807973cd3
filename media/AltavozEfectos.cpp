// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AltavozEfectos.h"

#include "Wav.h"

#include <QSoundEffect>
#include <QUrl>

AltavozEfectos::~AltavozEfectos() {
    for (auto &[nombre, fichero] : ficheros_)
        delete fichero.efecto;
}

QSoundEffect *AltavozEfectos::efecto(const QString &fichero) {
    auto [it, nuevo] = ficheros_.try_emplace(fichero);
    Fichero &f = it->second;
    if (nuevo)
        f.reproducible = !fichero.isEmpty() && wavReproducible(fichero);
    if (f.reproducible && !f.efecto) {
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
