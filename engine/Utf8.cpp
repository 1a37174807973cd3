// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Utf8.h"

#include <cstdint>

std::u16string utf16DeUtf8(std::string_view bytes) {
    std::u16string t;
    t.reserve(bytes.size());
    std::size_t i = 0;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        i = 3;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            t += char16_t(b);
            ++i;
            continue;
        }
        // The length the lead byte announces and the least code point it may carry.
        std::size_t largo = 0;
        char32_t c = 0, minimo = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            largo = 2, c = b & 0x1F, minimo = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            largo = 3, c = b & 0x0F, minimo = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            largo = 4, c = b & 0x07, minimo = 0x10000;
        }
        bool bien = largo != 0 && i + largo <= n;
        for (std::size_t k = 1; bien && k < largo; ++k) {
            const auto s = static_cast<unsigned char>(bytes[i + k]);
            bien = (s & 0xC0) == 0x80;
            c = (c << 6) | (s & 0x3F);
        }
        if (!bien || c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            t += char16_t(0xFFFD);
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            t += char16_t(0xD800 + ((c - 0x10000) >> 10));
            t += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            t += char16_t(c);
        }
        i += largo;
    }
    return t;
}

std::string utf8DeUtf16(std::u16string_view texto) {
    std::string r;
    r.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        char32_t c = texto[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            const bool par = c <= 0xDBFF && i + 1 < texto.size() && texto[i + 1] >= 0xDC00 &&
                             texto[i + 1] <= 0xDFFF;
            if (!par) {
                r += '?';
                continue;
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (texto[++i] - 0xDC00);
        }
        if (c < 0x80) {
            r += char(c);
        } else if (c < 0x800) {
            r += char(0xC0 | (c >> 6));
            r += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            r += char(0xE0 | (c >> 12));
            r += char(0x80 | ((c >> 6) & 0x3F));
            r += char(0x80 | (c & 0x3F));
        } else {
            r += char(0xF0 | (c >> 18));
            r += char(0x80 | ((c >> 12) & 0x3F));
            r += char(0x80 | ((c >> 6) & 0x3F));
            r += char(0x80 | (c & 0x3F));
        }
    }
    return r;
}
