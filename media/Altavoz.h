// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sonido.h"

#include <QString>
#include <map>

class QSoundEffect;

// Plays the cues through Qt Multimedia, one at a time. Each cue's effect is made (and so the audio
// device opened) the first time that cue is played, and kept for the rest of the run. A cue whose
// file is missing or not a WAV that plays to its end has no effect at all: silence.
class Altavoz {
  public:
    explicit Altavoz(QString carpetaPrograma);
    ~Altavoz();
    Altavoz(const Altavoz &) = delete;
    Altavoz &operator=(const Altavoz &) = delete;

    void tocar(Sonido s);

  private:
    QSoundEffect *efecto(Sonido s);

    QString carpeta_;
    std::map<Sonido, QSoundEffect *> efectos_; // null where the cue has no file
    QSoundEffect *sonando_ = nullptr;
};
