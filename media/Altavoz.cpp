// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Altavoz.h"

#include "Module1.h"
#include "Wav.h"

#include <QSoundEffect>
#include <QUrl>

Altavoz::Altavoz(QString carpetaPrograma) : carpeta_(std::move(carpetaPrograma)) {}

Altavoz::~Altavoz() {
    for (auto &[s, e] : efectos_)
        delete e;
}

QSoundEffect *Altavoz::efecto(Sonido s) {
    auto it = efectos_.find(s);
    if (it != efectos_.end())
        return it->second;
    QSoundEffect *e = nullptr;
    const QString fichero = Module1::ficheroSonido(s, carpeta_);
    if (!fichero.isEmpty() && wavReproducible(fichero)) {
        // Loading and decoding happen in the background; play() before that is queued.
        e = new QSoundEffect;
        e->setSource(QUrl::fromLocalFile(fichero));
    }
    efectos_.emplace(s, e);
    return e;
}

void Altavoz::tocar(Sonido s) {
    // Only one cue at a time: whatever is still playing stops, even if the new one is silent.
    if (sonando_)
        sonando_->stop();
    sonando_ = efecto(s);
    if (sonando_)
        sonando_->play();
}
