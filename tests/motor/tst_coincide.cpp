// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The matcher: how forgiving it is about case, punctuation, accents, word order and extra words,
// and how strict about verb forms.

#include "Coincide.h"

#include <QTest>

class TstCoincide : public QObject {
    Q_OBJECT
  private slots:
    void coincide_data();
    void coincide();
    void normalizacion_data();
    void normalizacion();
};

void TstCoincide::coincide_data() {
    QTest::addColumn<QString>("patron");
    QTest::addColumn<QString>("orden");
    QTest::addColumn<bool>("esperado");

    // Letter case, punctuation and extra words.
    QTest::newRow("minusculas") << "MIRAR COCHE"
                                << "mirar coche" << true;
    QTest::newRow("articulo y punto") << "MIRAR COCHE"
                                      << "Mirar el coche." << true;
    QTest::newRow("coma entre palabras") << "MIRAR COCHE"
                                         << "COCHE, MIRAR BIEN" << true;
    QTest::newRow("vacia") << "MIRAR COCHE"
                           << "" << false;
    QTest::newRow("solo espacios") << "BANCO"
                                   << "     " << false;

    // Words carry their trailing space; only the last may run on.
    QTest::newRow("ultima palabra alargada") << "MIRAR COCHE"
                                             << "MIRAR COCHES" << true;
    QTest::newRow("orden invertido") << "MIRAR COCHE"
                                     << "COCHE MIRAR" << false;
    QTest::newRow("orden invertido y mas") << "MIRAR COCHE"
                                           << "COCHE MIRAR YA" << true;
    QTest::newRow("dentro de otra palabra") << "MIRAR COCHE"
                                            << "AMIRAR COCHE" << true;
    QTest::newRow("verbo mal conjugado") << "MIRAR COCHE"
                                         << "mira el coche" << false;
    QTest::newRow("palabra unica en frase") << "BANCO"
                                            << "sentarme en el banco" << true;
    QTest::newRow("dos espacios") << "USAR MAZO"
                                  << "USAR  MAZO" << true;
    QTest::newRow("palabra repetida") << "USAR MAZO"
                                      << "usar usar mazo mazo" << true;
    QTest::newRow("sin espacio tras el verbo") << "USAR MAZO"
                                               << "mazo usar" << false;
    QTest::newRow("espacio final necesario") << "SENTAR SILLA"
                                             << "sentarse en la silla" << false;
    QTest::newRow("destornillador al final") << "USAR DESTORNILLADOR TORNILLO"
                                             << "usar tornillo con destornillador" << false;
    QTest::newRow("monumento al final") << "ACCIONAR MONUMENTO TORNILLO DESTORNILLADOR"
                                        << "accionar tornillo destornillador monumento" << false;

    // Synonyms and accents, folded on the order only.
    QTest::newRow("ver") << "MIRAR COCHE"
                         << "ver coche" << true;
    QTest::newRow("observar") << "MIRAR COCHE"
                              << "observar el coche" << true;
    QTest::newRow("remover") << "SACAR TIERRA"
                             << "remover la tierra" << true;
    QTest::newRow("mover") << "SACAR ARENA"
                           << "mover la arena" << true;
    QTest::newRow("lampara con tilde") << "MIRAR LAMPARA"
                                       << "MIRAR LÁMPARA" << true;
    QTest::newRow("telefono con tilde minuscula") << "MIRAR TELEFONO"
                                                  << "mirar teléfono" << true;
    QTest::newRow("tele dentro de telefono") << "MIRAR TELE"
                                             << "mirar teléfono" << true;
    QTest::newRow("revolver no es pistola") << "MIRAR PISTOLA"
                                            << "mirar revólver" << false;
    QTest::newRow("tilde compuesta")
        << "MIRAR ARBOL" << QString::fromUtf8("mirar a\u0301rbol") << true;
    QTest::newRow("dieresis se queda") << "PINGUINO"
                                       << "pingüino" << false;
    QTest::newRow("enie se queda") << "MONTANA"
                                   << "montaña" << false;

    // A pattern with a folded form can never match, since the order never holds it.
    QTest::newRow("patron con VER") << "VER COCHE"
                                    << "ver coche" << false;
    QTest::newRow("patron en minusculas") << "mirar coche"
                                          << "MIRAR COCHE" << true;
}

void TstCoincide::coincide() {
    QFETCH(QString, patron);
    QFETCH(QString, orden);
    QFETCH(bool, esperado);
    QCOMPARE(Coincide(patron, orden), esperado);
}

void TstCoincide::normalizacion_data() {
    QTest::addColumn<QString>("orden");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("remover pasa por mover") << "remover"
                                            << "RESACAR";
    QTest::newRow("revolver") << "revolver"
                              << "REVOLMIRAR";
    QTest::newRow("verde") << "verde"
                           << "MIRARDE";
    QTest::newRow("observar") << "observar"
                              << "MIRAR";
    QTest::newRow("puntuacion") << "a,b.c"
                                << "ABC";
    QTest::newRow("tildes") << "áéíóú ÁÉÍÓÚ"
                            << "AEIOU AEIOU";
    QTest::newRow("espacios intactos") << "  ¿ver?  ¡ya! "
                                       << "  ¿MIRAR?  ¡YA! ";
    QTest::newRow("eszett") << "straße"
                            << "STRASSE";
    QTest::newRow("combinada") << QString::fromUtf8("e\u0301") << "E";
}

void TstCoincide::normalizacion() {
    QFETCH(QString, orden);
    QFETCH(QString, esperado);
    QCOMPARE(normalizarOrden(orden), esperado);
}

QTEST_APPLESS_MAIN(TstCoincide)
#include "tst_coincide.moc"
