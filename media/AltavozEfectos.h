// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Altavoz.h"

#include <QString>
#include <map>

class QSoundEffect;

// The player inside the sound plug-in, over Qt Multimedia's sound effects. A file that is missing
// or not a WAV that plays to its end (see Wav.h) never reaches Qt: silence. Each other file's
// effect is made (and so the audio device opened) the first time that file is played, and kept;
// but no effect at all is made until a sound server has answered (see ServidorSonido.h), which
// is asked again at each cue until one does.
class AltavozEfectos : public Altavoz {
  public:
    AltavozEfectos() = default;
    ~AltavozEfectos() override;
    AltavozEfectos(const AltavozEfectos &) = delete;
    AltavozEfectos &operator=(const AltavozEfectos &) = delete;

    void tocar(const QString &fichero) override;

  private:
    struct Fichero {
        bool reproducible = false;
        QSoundEffect *efecto = nullptr;
    };

    QSoundEffect *efecto(const QString &fichero);
    bool hayServidor();

    std::map<QString, Fichero> ficheros_;
    QSoundEffect *sonando_ = nullptr;
    bool servidor_ = false; // a server has answered: from then on Qt Multimedia keeps in touch
};
