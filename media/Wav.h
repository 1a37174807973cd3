// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Whether a WAV file is one Qt's sound effects can play to the end: a RIFF/WAVE file with a
// plain PCM format chunk (8 or 16 bits, 1 or 2 channels) and a non-empty data chunk that is all
// there. A data chunk that promises more bytes than the file holds would leave Qt waiting for the
// rest for ever, and any other cue's teardown waiting on that.
bool wavReproducible(const QByteArray &contenido);
bool wavReproducible(const QString &fichero);
