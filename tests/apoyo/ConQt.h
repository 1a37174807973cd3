// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Atajos.h"
#include "Coincide.h"

#include <QString>
#include <string_view>

// The tests write orders as QString, as the order box holds them; the game takes the same UTF-16
// units, lone surrogates too.
inline std::u16string_view u16(const QString &s) {
    return std::u16string_view(QStringView(s).utf16(), std::size_t(s.size()));
}

inline QString deU16(std::u16string_view t) {
    return QString(reinterpret_cast<const QChar *>(t.data()), qsizetype(t.size()));
}

inline bool Coincide(const QString &patron, const QString &orden) {
    return Coincide(u16(patron), u16(orden));
}

inline QString normalizarOrden(const QString &orden) {
    return deU16(normalizarOrden(u16(orden)));
}

inline void jugarLinea(Partida &partida, const QString &linea) {
    jugarLinea(partida, u16(linea));
}

inline const Atajo *buscarAtajo(const QString &linea) {
    return buscarAtajo(u16(linea));
}
