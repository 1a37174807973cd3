// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Unicode.cpp against the Qt its tables come from: mayusculasNfc must give unit for unit what
// QString::normalized(NFC).toUpper() gives, and claseCombinacion what QChar::combiningClass gives,
// for every code point alone, letters followed by marks, the fuzz corpus and random text.

#include "Unicode.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <cstring>
#include <vector>

namespace {

// Built from units and a length: QString::fromUtf16 would drop a leading U+FFFE or U+FEFF.
QString qstring(std::u16string_view u) {
    return QString(reinterpret_cast<const QChar *>(u.data()), qsizetype(u.size()));
}

std::u16string unidades(const QString &s) {
    return std::u16string(reinterpret_cast<const char16_t *>(s.utf16()), std::size_t(s.size()));
}

void poner(std::u16string &s, char32_t c) {
    for (const char16_t u : QChar::fromUcs4(c))
        s += u;
}

QByteArray hex(std::u16string_view u) {
    QByteArray r;
    for (const char16_t c : u)
        r += QByteArray::number(c, 16).rightJustified(4, '0').toUpper() + ' ';
    return r.trimmed();
}

// Counts texts and differences, and shows the first few of these.
struct Comparador {
    long textos = 0, diferencias = 0;

    void operator()(std::u16string_view texto) {
        ++textos;
        const QString qt = qstring(texto).normalized(QString::NormalizationForm_C).toUpper();
        const std::u16string nuestro = mayusculasNfc(texto);
        if (std::u16string_view(reinterpret_cast<const char16_t *>(qt.utf16()), qt.size()) ==
            nuestro)
            return;
        if (++diferencias <= 5)
            qWarning("texto: %s\n  Qt: %s\n  mayusculasNfc: %s", hex(texto.substr(0, 40)).data(),
                     hex(unidades(qt).substr(0, 40)).data(), hex(nuestro.substr(0, 40)).data());
    }
};

std::vector<char32_t> todos(bool (*elegir)(char32_t)) {
    std::vector<char32_t> r;
    for (char32_t c = 0; c <= QChar::LastValidCodePoint; ++c) {
        if (elegir(c))
            r.push_back(c);
    }
    return r;
}

bool esMarca(char32_t c) {
    return QChar::combiningClass(c) != 0;
}

bool esLetra(char32_t c) {
    return QChar::isLetter(c);
}

bool esLetraEuropea(char32_t c) {
    const QChar::Script s = QChar::script(c);
    return QChar::isLetter(c) &&
           (s == QChar::Script_Latin || s == QChar::Script_Greek || s == QChar::Script_Cyrillic);
}

// What random text is made of: each draw takes a group, then a code point from its ranges.
const std::vector<std::vector<std::pair<char32_t, char32_t>>> grupos = {
    {{'a', 'z'}, {'A', 'Z'}, {' ', ' '}, {',', '.'}},
    {{0xA0, 0xFF}},
    {{0x300, 0x36F}, {0x483, 0x489}, {0x591, 0x5BD}, {0x93C, 0x94D}, {0x1DC0, 0x1DFF}},
    {{0x1D165, 0x1D169}, {0x1D16D, 0x1D172}, {0x110B9, 0x110BA}, {0x11127, 0x11127}},
    {{0x1100, 0x1112}, {0x1161, 0x1175}, {0x11A7, 0x11C2}, {0xAC00, 0xD7A3}},
    // Lone and paired surrogates (a high one drawn before a low one makes a pair), and what
    // fromUtf16 would take for a byte order mark.
    {{0xD800, 0xD801}, {0xDBFF, 0xDBFF}, {0xDC00, 0xDC01}, {0xDFFF, 0xDFFF}, {0xFFFE, 0xFFFF}},
    {{0xFEFF, 0xFEFF}, {0xFFFD, 0xFFFD}},
    // Supplementary characters that compose, and the ones that compose from them.
    {{0x11099, 0x1109C},
     {0x110A5, 0x110AB},
     {0x1112E, 0x11132},
     {0x11347, 0x1134C},
     {0x11357, 0x11357},
     {0x1133E, 0x1133E},
     {0x114B0, 0x114BE},
     {0x115AF, 0x115BB},
     {0x11930, 0x11938},
     {0x1D15E, 0x1D164}},
    // Upper cases that grow, and lower case outside the BMP.
    {{0xDF, 0xDF},
     {0x149, 0x149},
     {0x1F0, 0x1F0},
     {0x390, 0x390},
     {0x3B0, 0x3B0},
     {0x587, 0x587},
     {0x1E96, 0x1E9A},
     {0x1F50, 0x1F56},
     {0x1F80, 0x1FAF},
     {0x1FB2, 0x1FB7},
     {0x1FC2, 0x1FC7},
     {0x1FF2, 0x1FF7},
     {0xFB00, 0xFB06},
     {0xFB13, 0xFB17},
     {0x345, 0x345},
     {0x10428, 0x1044F},
     {0x1E922, 0x1E943}},
    // Singletons, exclusions and marks that decompose, and vowel signs that join a consonant.
    {{0x340, 0x344},
     {0x958, 0x95F},
     {0xF73, 0xF81},
     {0x2126, 0x212B},
     {0x1F71, 0x1F7D},
     {0xF900, 0xF90F},
     {0x2ADC, 0x2ADC},
     {0xB47, 0xB57},
     {0xCC6, 0xCD6},
     {0xDD9, 0xDDF},
     {0x9C7, 0x9D7},
     {0x1B05, 0x1B3E}},
    {{0x391, 0x3C9}, {0x1F00, 0x1F15}, {0x410, 0x44F}, {0x1E00, 0x1EFF}},
};

char32_t alAzar(QRandomGenerator &azar) {
    const auto &rangos = grupos[azar.bounded(int(grupos.size()))];
    const auto [desde, hasta] = rangos[azar.bounded(int(rangos.size()))];
    return desde + azar.bounded(quint32(hasta - desde + 1));
}

} // namespace

class TstUnicode : public QObject {
    Q_OBJECT
  private slots:
    void clasesDeCombinacion() {
        long diferencias = 0;
        for (char32_t c = 0; c <= QChar::LastValidCodePoint + 2; ++c)
            diferencias += claseCombinacion(c) != QChar::combiningClass(c);
        for (const char32_t c : {0x7FFFFFFFu, 0xFFFFFFFFu})
            diferencias += claseCombinacion(c) != 0;
        QCOMPARE(diferencias, 0);
    }

    // Surrogates too, each as a lone unit.
    void cadaPuntoSolo() {
        Comparador comparar;
        for (char32_t c = 0; c <= QChar::LastValidCodePoint; ++c) {
            std::u16string s;
            poner(s, c);
            comparar(s);
        }
        QCOMPARE(comparar.diferencias, 0);
    }

    // Every Latin, Greek and Cyrillic letter with every mark after it, then after each letter of
    // any script a sixteenth of the marks, a different sixteenth for neighbouring letters.
    void letrasConMarcas() {
        const std::vector<char32_t> marcas = todos(esMarca);
        Comparador comparar;
        for (const char32_t letra : todos(esLetraEuropea)) {
            for (const char32_t marca : marcas) {
                std::u16string s;
                poner(s, letra);
                poner(s, marca);
                comparar(s);
            }
        }
        const std::vector<char32_t> letras = todos(esLetra);
        for (std::size_t i = 0; i < letras.size(); ++i) {
            for (std::size_t j = i % 16; j < marcas.size(); j += 16) {
                std::u16string s;
                poner(s, letras[i]);
                poner(s, marcas[j]);
                comparar(s);
            }
        }
        qInfo("%ld textos", comparar.textos);
        QCOMPARE(comparar.diferencias, 0);
    }

    // Each file whole, read as UTF-8 and as raw UTF-16 units, which may hold lone surrogates.
    void corpusDeFuzz() {
        Comparador comparar;
        const QDir corpus(QStringLiteral(JUBO_CORPUS));
        for (const QString &carpeta : corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir dir(corpus.filePath(carpeta));
            for (const QString &nombre : dir.entryList(QDir::Files)) {
                QFile f(dir.filePath(nombre));
                QVERIFY(f.open(QIODevice::ReadOnly));
                const QByteArray bytes = f.readAll();
                comparar(unidades(QString::fromUtf8(bytes)));
                std::u16string crudo(std::size_t(bytes.size() / 2), u'\0');
                std::memcpy(crudo.data(), bytes.data(), crudo.size() * 2);
                comparar(crudo);
            }
        }
        QVERIFY2(comparar.textos > 600, "el corpus de fuzz no está donde se buscaba");
        QCOMPARE(comparar.diferencias, 0);
    }

    // Mostly short texts, and one in a thousand up to 3000 characters long.
    void textoAlAzar() {
        QRandomGenerator azar(20260512);
        Comparador comparar;
        for (int i = 0; i < 400000; ++i) {
            std::u16string s;
            const int largo = azar.bounded(i % 1000 == 0 ? 3000 : 32);
            for (int k = 0; k < largo; ++k) {
                const char32_t c = alAzar(azar);
                if (c >= 0xD800 && c <= 0xDFFF)
                    s += char16_t(c);
                else
                    poner(s, c);
            }
            comparar(s);
        }
        QCOMPARE(comparar.diferencias, 0);
    }
};

QTEST_APPLESS_MAIN(TstUnicode)
#include "tst_unicode.moc"
