// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The matcher: how forgiving it is about case, punctuation, accents, word order and extra words,
// and how strict about verb forms.

#include "Coincide.h"

#include <QTest>

namespace {

struct Caso {
    const char *nombre, *patron, *orden; // UTF-8
    bool esperado;
};

const Caso casos[] = {
    // Letter case, punctuation and extra words.
    {"minusculas", "MIRAR COCHE", "mirar coche", true},
    {"articulo y punto", "MIRAR COCHE", "Mirar el coche.", true},
    {"coma entre palabras", "MIRAR COCHE", "COCHE, MIRAR BIEN", true},
    {"vacia", "MIRAR COCHE", "", false},
    {"solo espacios", "BANCO", "     ", false},
    // Words carry their trailing space; only the last may run on.
    {"ultima palabra alargada", "MIRAR COCHE", "MIRAR COCHES", true},
    {"orden invertido", "MIRAR COCHE", "COCHE MIRAR", false},
    {"orden invertido y mas", "MIRAR COCHE", "COCHE MIRAR YA", true},
    {"dentro de otra palabra", "MIRAR COCHE", "AMIRAR COCHE", true},
    {"verbo mal conjugado", "MIRAR COCHE", "mira el coche", false},
    {"palabra unica en frase", "BANCO", "sentarme en el banco", true},
    {"dos espacios", "USAR MAZO", "USAR  MAZO", true},
    {"palabra repetida", "USAR MAZO", "usar usar mazo mazo", true},
    {"sin espacio tras el verbo", "USAR MAZO", "mazo usar", false},
    {"espacio final necesario", "SENTAR SILLA", "sentarse en la silla", false},
    {"destornillador al final", "USAR DESTORNILLADOR TORNILLO", "usar tornillo con destornillador",
     false},
    {"monumento al final", "ACCIONAR MONUMENTO TORNILLO DESTORNILLADOR",
     "accionar tornillo destornillador monumento", false},
    // Synonyms and accents, folded on the order only.
    {"ver", "MIRAR COCHE", "ver coche", true},
    {"observar", "MIRAR COCHE", "observar el coche", true},
    {"remover", "SACAR TIERRA", "remover la tierra", true},
    {"mover", "SACAR ARENA", "mover la arena", true},
    {"lampara con tilde", "MIRAR LAMPARA", "MIRAR LÁMPARA", true},
    {"telefono con tilde minuscula", "MIRAR TELEFONO", "mirar teléfono", true},
    {"tele dentro de telefono", "MIRAR TELE", "mirar teléfono", true},
    {"revolver no es pistola", "MIRAR PISTOLA", "mirar revólver", false},
    {"tilde compuesta", "MIRAR ARBOL", "mirar a\u0301rbol", true},
    {"dieresis se queda", "PINGUINO", "pingüino", false},
    {"enie se queda", "MONTANA", "montaña", false},
    // A pattern with a folded form can never match, since the order never holds it.
    {"patron con VER", "VER COCHE", "ver coche", false},
    {"patron en minusculas", "mirar coche", "MIRAR COCHE", true},
};

// What the order becomes before any pattern is looked for in it.
const char *const normalizaciones[][3] = {
    {"remover pasa por mover", "remover", "RESACAR"},
    {"revolver", "revolver", "REVOLMIRAR"},
    {"verde", "verde", "MIRARDE"},
    {"observar", "observar", "MIRAR"},
    {"puntuacion", "a,b.c", "ABC"},
    {"tildes", "áéíóú ÁÉÍÓÚ", "AEIOU AEIOU"},
    {"espacios intactos", "  ¿ver?  ¡ya! ", "  ¿MIRAR?  ¡YA! "},
    {"eszett", "straße", "STRASSE"},
    {"combinada", "e\u0301", "E"},
};

} // namespace

class TstCoincide : public QObject {
    Q_OBJECT
  private slots:
    void coincide_data() {
        QTest::addColumn<QString>("patron");
        QTest::addColumn<QString>("orden");
        QTest::addColumn<bool>("esperado");
        for (const Caso &c : casos)
            QTest::newRow(c.nombre)
                << QString::fromUtf8(c.patron) << QString::fromUtf8(c.orden) << c.esperado;
    }

    void coincide() {
        QFETCH(QString, patron);
        QFETCH(QString, orden);
        QFETCH(bool, esperado);
        QCOMPARE(Coincide(patron, orden), esperado);
    }

    void normalizacion_data() {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("esperado");
        for (const auto &[nombre, orden, esperado] : normalizaciones)
            QTest::newRow(nombre) << QString::fromUtf8(orden) << QString::fromUtf8(esperado);
    }

    void normalizacion() {
        QFETCH(QString, orden);
        QFETCH(QString, esperado);
        QCOMPARE(normalizarOrden(orden), esperado);
    }
};

QTEST_APPLESS_MAIN(TstCoincide)
#include "tst_coincide.moc"
