// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtPlugin>

// What the sound plug-in offers the program: a player of WAV files given by their full paths.
// One file at a time: each call cuts off whatever is still playing and starts its file from the
// beginning. An empty path, or a file that is not a WAV the player can play to its end, is
// silence. Nothing is ever reported. Every call comes from the thread that made the player, which
// must run an event loop: the audio system answers there.
class Altavoz {
  public:
    virtual ~Altavoz() = default;
    virtual void tocar(const QString &fichero) = 0;
};

#define JUBO_ALTAVOZ_IID "io.github.rozozerad.jubo.Altavoz/1"
Q_DECLARE_INTERFACE(Altavoz, JUBO_ALTAVOZ_IID)
