// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

// Does the typed order satisfy the pattern? Every word of the pattern must occur somewhere in the
// normalised order; a word carries its trailing space, so only the last one may run on into a
// longer word.
bool Coincide(const QString &patron, const QString &orden);

// The order as the matcher compares it: NFC, upper case, no commas or full stops, no accents on
// capital vowels, and the verb synonyms folded (VER/OBSERVAR -> MIRAR, MOVER/REMOVER -> SACAR).
QString normalizarOrden(const QString &orden);

// The matching step alone, for callers that normalise an order once and try many patterns.
// The pattern must already be upper case.
bool coincideNormalizada(QStringView patron, QStringView texto);
bool coincideNormalizada(QLatin1StringView patron, QStringView texto);
