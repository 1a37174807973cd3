// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QPluginLoader;

// The first of `sitios` that loads as the sound plug-in, its player made in the calling thread.
// Null when none does, after one line on stderr that says why the game will be silent.
//
// The loader must be kept, never deleted, for the rest of the run: Qt would otherwise delete the
// player when the process ends, after Qt Multimedia's own state is gone and perhaps while the
// sound thread is still inside it.
QPluginLoader *cargarAltavoz(const QStringList &sitios);
