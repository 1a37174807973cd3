// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QStringList>

// Where place pictures are looked for, in order: Archivos/Dibujos under the working directory,
// beside the executable, and in the installed data folder.
QStringList carpetasDibujos();

// The first copy of the file that can be read and decoded; a null pixmap if none can.
QPixmap leerDibujo(const QString &fichero, const QStringList &carpetas);
