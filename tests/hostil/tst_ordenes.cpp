// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile orders straight into the engine: huge, binary, broken, exotic Unicode, and thousands in a
// row. Each must be answered before ProcesarOrden returns, quickly, without touching the state,
// and the walkthrough must still win afterwards.

#include "Atajos.h"
#include "Coincide.h"
#include "Grabadora.h"
#include "Guion.h"
#include "Partida.h"
#include "Referencia.h"
#include "Reglas.h"
#include "RelojCpu.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

namespace {

const QString Coche =
    QStringLiteral("Joé, tiene las puertas soldadas, y los cristales son anti-robos");

bool esNegativa(const QStringList &lineas) {
    return lineas.size() == 1 && std::any_of(Negativas.begin(), Negativas.end(), [&](auto n) {
               return lineas.front() == QString::fromUtf8(n);
           });
}

// A game at its start, its log emptied.
struct Mesa {
    Grabadora g;
    Partida partida{g, SorteoFijo(7)};
    Mesa() {
        partida.Cargar();
        g.tomar();
    }
    // Plays the walkthrough from where the game stands; true if it wins.
    bool ganar() {
        for (const QString &linea : leerGuion())
            jugarLinea(partida, linea);
        return g.hechos.contains(QStringLiteral("ganar"));
    }
};

// An order answered as any refused or harmless one is: the screen cleared once, some lines, and
// no win or end.
bool respondio(Grabadora &g) {
    const QStringList h = g.tomar();
    return h.count(QStringLiteral("vaciar")) == 1 && !g.lista.isEmpty() &&
           !h.contains(QStringLiteral("ganar")) && !h.contains(QStringLiteral("terminar"));
}

// A mebibyte or so of `trozo`, over and over.
QString mib(const QString &trozo) {
    return trozo.repeated((1 << 20) / trozo.size() + 1);
}

// "At once", in processor time: a megabyte takes well under a tenth of a second in a plain build.
// The limit still catches time that grows with the square of the length, which took seconds to
// minutes here.
constexpr qint64 MsPorOrden = 1000 * JUBO_LENTITUD;

} // namespace

class TstOrdenes : public QObject {
    Q_OBJECT
  private slots:
    void respondeYSigueJugable_data() {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<bool>("esCoche"); // the car's line; otherwise one of the refusals

        const QString mc = QStringLiteral("mirar coche");
        QTest::newRow("vacia") << QString() << false;
        QTest::newRow("NUL alrededor") << QString::fromUtf8("\0mirar coche\0\0", 14) << true;
        QTest::newRow("NUL en vez de espacio") << QString::fromUtf8("mirar\0coche", 11) << false;
        QTest::newRow("solo NUL") << QString(4096, QChar(0)) << false;
        QTest::newRow("UTF-8 roto") << QString::fromUtf8("\xff\xfe mirar coche \xc3") << true;
        QTest::newRow("UTF-8 sobrelargo") << QString::fromUtf8("\xc0\xaf\xe0\x80\xaf") << false;
        QTest::newRow("mitad de par UTF-16 en UTF-8")
            << QString::fromUtf8("\xed\xa0\x80mirar coche\xed\xbf\xbf") << true;
        QTest::newRow("mitades de par sueltas")
            << QChar(0xD800) + mc + QChar(0xDFFF) + QChar(0xDBFF) << true;
        QTest::newRow("controles")
            << QString::fromUtf8("\x01\x1b[2J\x07mirar coche\x08\x7f\t\r\v\f") << true;
        QTest::newRow("C1 y BOM") << QString::fromUtf8("\u0085\u009b\ufeffmirar coche\ufeff")
                                  << true;
        QTest::newRow("emoji entre palabras") << QStringLiteral("mirar 🚗 coche 💣") << true;
        QTest::newRow("emoji compuestos y banderas")
            << QStringLiteral(
                   "👨‍👩‍👧 🇪🇸 🏳️‍🌈 mirar coche 𝕸𝖎𝖗𝖆𝖗")
            << true;
        QTest::newRow("solo emoji") << QStringLiteral("🚗💣🔨") << false;
        QTest::newRow("marcas de derecha a izquierda")
            << QStringLiteral("\u202Bmirar coche\u202C\u200F") << true;
        QTest::newRow("árabe y hebreo") << QStringLiteral("انظر السيارة mirar coche הסתכל") << true;
        QTest::newRow("eszett") << QStringLiteral("straße mirar coche ß") << true;
        QTest::newRow("solo eszett") << QStringLiteral("ßẞ") << false;
        QTest::newRow("mayúsculas más largas") << QStringLiteral("ﬃ ŉ ǰ ΐ ﬗ mirar coche") << true;

        QTest::newRow("1 MiB de letras y la orden al final")
            << mib(QStringLiteral("blablabla ")) + mc << true;
        QTest::newRow("1 MiB de mirar y coche al final")
            << mib(QStringLiteral("mirar ")) + QStringLiteral("coche") << true;
        QTest::newRow("1 MiB de eszett") << mib(QStringLiteral("ß")) + u' ' + mc << true;
        QTest::newRow("1 MiB de letra y acento")
            << mib(QStringLiteral("a\u0301")) + u' ' + mc << true;
        QTest::newRow("1 MiB de acentos sin letra")
            << mib(QStringLiteral("\u0301\u0316")) + u' ' + mc << true;
        QTest::newRow("1 MiB de signos tibetanos")
            << mib(QStringLiteral("\u0F73")) + u' ' + mc << true;
        QTest::newRow("1 MiB de ligaduras") << mib(QStringLiteral("ﬃ")) + u' ' + mc << true;
        QTest::newRow("1 MiB de jamo coreano")
            << mib(QStringLiteral("\u1100\u1161\u11A8")) + u' ' + mc << true;
        QTest::newRow("1 MiB de emoji") << mib(QStringLiteral("💣")) + u' ' + mc << true;
        QTest::newRow("1 MiB de VER y comas") << mib(QStringLiteral("ver,")) << false;
        QTest::newRow("1 MiB de casi coche") << mib(QStringLiteral("COCH MIRA ")) << false;
    }

    void respondeYSigueJugable() {
        QFETCH(QString, orden);
        QFETCH(bool, esCoche);

        Mesa m;
        const Estado antes = m.partida.estado();
        RelojCpu reloj;
        m.partida.ProcesarOrden(u16(orden));
        VERIFICAR_PLAZO(reloj.elapsed(), MsPorOrden);
        QVERIFY(respondio(m.g));
        if (esCoche)
            QCOMPARE(m.g.lista, QStringList{Coche});
        else
            QVERIFY2(esNegativa(m.g.lista), qPrintable(m.g.lista.join(u'|')));
        QVERIFY(m.partida.estado() == antes);
        QVERIFY(m.ganar());
    }

    void acentoComoLetraYMarca_data() {
        QTest::addColumn<QString>("orden");
        QTest::addColumn<QString>("respuesta");

        const QString lampara = QStringLiteral("Tan cendia ...");
        QTest::newRow("minúsculas") << QStringLiteral("mirar la la\u0301mpara") << lampara;
        QTest::newRow("mayúsculas") << QStringLiteral("MIRAR LA LA\u0301MPARA") << lampara;
        QTest::newRow("toda la orden descompuesta")
            << QStringLiteral("mirar el teléfono").normalized(QString::NormalizationForm_D)
            << QStringLiteral("¿A quién se locurre comprá un teléfono blanco?");
        QTest::newRow("acento y diéresis apilados")
            << QStringLiteral("mirar la la\u0301\u0308mpara") << QString();
        QTest::newRow("cajón descompuesto")
            << QStringLiteral("mirar el cajo\u0301n")
            << QStringLiteral("¡Hay un mazo! ... Pos mu bién, ¿no?");
    }

    void acentoComoLetraYMarca() {
        QFETCH(QString, orden);
        QFETCH(QString, respuesta);

        Mesa m;
        m.partida.PaLante(); // Cuarto
        m.partida.ProcesarOrden(u16(orden));
        if (respuesta.isEmpty()) // a second mark keeps the vowel from being the plain A
            QVERIFY2(esNegativa(m.g.lista), qPrintable(m.g.lista.join(u'|')));
        else
            QCOMPARE(m.g.lista, QStringList{respuesta});
    }

    void diezMilOrdenesSeguidas() {
        const QStringList ordenes = {
            QString(),
            QString::fromUtf8("\0\0\0", 3),
            QString::fromUtf8("\xff\xfe\xfd"),
            QStringLiteral("\x1b[31m\x07"),
            QStringLiteral("💣🚗"),
            QStringLiteral("\u202Emirar coche"),
            QStringLiteral("ßßß"),
            QStringLiteral("mirar la la\u0301mpara"),
            QStringLiteral("vacilar"),
            QStringLiteral("mirar el coche"),
            QStringLiteral("coger mazo"), // not here: only the room has the mallet
            QString(5000, u'x'),
        };
        Mesa m;
        const Estado antes = m.partida.estado();
        RelojCpu reloj;
        qint64 peor = 0;
        for (int i = 0; i < 10000; ++i) {
            const qint64 t0 = reloj.elapsed();
            m.partida.ProcesarOrden(u16(ordenes[i % ordenes.size()]));
            peor = std::max(peor, reloj.elapsed() - t0);
            QVERIFY2(respondio(m.g), qPrintable(QString::number(i)));
        }
        VERIFICAR_PLAZO(peor, MsPorOrden);
        VERIFICAR_PLAZO(reloj.elapsed(), 30000 * JUBO_LENTITUD);
        QVERIFY(m.partida.estado() == antes);
        QVERIFY(m.ganar());
    }

    // Long orders are normalised piece by piece; the pieces must add up to the order done whole.
    void normalizarPorPiezasEsExacto() {
        // Letters that compose, marks in different classes, letters that grow when upper-cased,
        // Hangul jamo, Indic vowel signs that join the letter before, Tibetan signs that come
        // apart, surrogate pairs and the words the replacements look for. No pair outside the BMP
        // that composes: after one, Qt 6.4 sometimes leaves later letters and marks of the same
        // string apart, so whole and pieces can differ there (in letters no pattern holds).
        const QStringList piezas =
            QStringLiteral(
                "a|e|\u0301|\u0316|\u0308|\u0345|ß|ﬃ|ǰ|\u1100|\u1161|\u11A8|가|\u09C7|\u09BE|"
                "\u0F71|\u0F73|\u0F80|💣|𑂙|Ω| |VER|mover|,|Á|ΐ")
                .split(u'|');
        QRandomGenerator azar(20261208);
        for (int caso = 0; caso < 300; ++caso) {
            QString orden;
            const int largo = 200 + int(azar.bounded(3000));
            int marcasSeguidas = 0;
            while (orden.size() < largo) {
                const QString &p = piezas[int(azar.bounded(piezas.size()))];
                // Runs of marks stay short here; longer ones are cut on purpose (next test).
                const bool marca = QChar::combiningClass(p.front().unicode()) != 0 ||
                                   p == QStringLiteral("\u0F73");
                marcasSeguidas = marca ? marcasSeguidas + 2 : 0;
                if (marcasSeguidas > 20) {
                    orden += u'x';
                    marcasSeguidas = 0;
                }
                orden += p;
            }
            QCOMPARE(normalizarOrden(orden), normalizacionDirecta(orden));
        }
    }

    void marcasSinFinNoCambianLaRespuesta() {
        for (const QString &marcas :
             {QStringLiteral("\u0301"), QStringLiteral("\u0316\u0301"), QStringLiteral("\u0F73")}) {
            const QString ristra = marcas.repeated(100000 / marcas.size());
            QVERIFY(
                Coincide(QStringLiteral("MIRAR COCHE"), QStringLiteral("mirar coche") + ristra));
            QVERIFY(
                Coincide(QStringLiteral("MIRAR COCHE"), ristra + QStringLiteral(" mirar coche")));
            QVERIFY(!Coincide(QStringLiteral("MIRAR COCHE"),
                              QStringLiteral("mirar") + ristra + QStringLiteral(" coche")));
            // The accent still reaches the vowel right after it, however many marks follow.
            QVERIFY(Coincide(QStringLiteral("MIRAR LAMPARA"),
                             QStringLiteral("mirar la la\u0301mpara ") + ristra));
        }
    }
};

QTEST_GUILESS_MAIN(TstOrdenes)
#include "tst_ordenes.moc"
