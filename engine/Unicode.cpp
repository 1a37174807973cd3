// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Unicode.h"

#include <QString>

namespace {

QString comoQString(std::u16string_view t) {
    return QString(reinterpret_cast<const QChar *>(t.data()), qsizetype(t.size()));
}

std::u16string comoU16(const QString &t) {
    return std::u16string(reinterpret_cast<const char16_t *>(t.utf16()), std::size_t(t.size()));
}

} // namespace

std::u16string mayusculasNfc(std::u16string_view texto) {
    return comoU16(comoQString(texto).normalized(QString::NormalizationForm_C).toUpper());
}

std::u16string mayusculas(std::u16string_view texto) {
    return comoU16(comoQString(texto).toUpper());
}

int claseCombinacion(char32_t c) {
    return QChar::combiningClass(c);
}
