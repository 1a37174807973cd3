// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the sound server (PulseAudio, or PipeWire speaking its protocol: what Qt Multimedia
// plays through here) accepts a client within `ms` milliseconds. One that takes the connection
// and never answers would keep Qt Multimedia waiting for half a minute while it holds a lock of
// its own, and the end of the process waits for that lock: ask first, briefly. A thread asked to
// stop (QThread::requestInterruption) gives up the question at once.
bool servidorDeSonidoResponde(int ms);
