// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The matcher: how forgiving it is about case, punctuation, accents, word order and extra words,
// and how strict about verb forms. The transcripts run the common cases (synonyms, accents, commas,
// refused verb forms) through whole games.

#include "ConQt.h"

#include <QTest>

namespace {

struct Caso {
    const char *nombre, *patron, *orden; // UTF-8
    bool esperado;
};

const Caso casos[] = {
    // Words carry their trailing space; only the last may run on.
    {"solo espacios", "BANCO", "     ", false},
    {"ultima palabra alargada", "MIRAR COCHE", "MIRAR COCHES", true},
    {"orden invertido", "MIRAR COCHE", "COCHE MIRAR", false},
    {"orden invertido y mas", "MIRAR COCHE", "COCHE MIRAR YA", true},
    {"dentro de otra palabra", "MIRAR COCHE", "AMIRAR COCHE", true},
    {"dos espacios", "USAR MAZO", "USAR  MAZO", true},
    {"palabra repetida", "USAR MAZO", "usar usar mazo mazo", true},
    {"sin espacio tras el verbo", "USAR MAZO", "mazo usar", false},
    {"espacio final necesario", "SENTAR SILLA", "sentarse en la silla", false},
    {"destornillador al final", "USAR DESTORNILLADOR TORNILLO", "usar tornillo con destornillador",
     false},
    // A composed accent folds like a precomposed one; other marks stay.
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
