// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as the screen sees it: what each click and order does to the screen, in which order,
// and which flags it sets. What the player reads is in the transcripts run through jubo-texto.

#include "Grabadora.h"
#include "Partida.h"
#include "Reglas.h"
#include "Textos.h"

#include <QTest>
#include <limits>

static QString linea(const char *utf8) {
    return QStringLiteral("linea ") + QString::fromUtf8(utf8);
}

class TstPartida : public QObject {
    Q_OBJECT
  private slots:
    void paseoCompleto() {
        Grabadora g;
        Partida p(g);
        QVERIFY(g.hechos.isEmpty()); // nothing happens before the load handler
        p.Cargar();
        QCOMPARE(g.tomar(), QStringList({"botones", "pista 0", "sonido Direccion"}));
        QCOMPARE(p.estado(), Estado{});
        // Where each place is and which buttons it has is in the transcripts; here, the picture and
        // the order of what a move does.
        const std::pair<void (Partida::*)(), const char *> pasos[] = {
            {&Partida::PaLante, "cuarto.jpg"},   {&Partida::Izquierda, "comedor.jpg"},
            {&Partida::Izquierda, "jardin.jpg"}, {&Partida::Izquierda, "Parque.jpg"},
            {&Partida::Derecha, "jardin.jpg"},   {&Partida::Derecha, "comedor.jpg"},
            {&Partida::Derecha, "cuarto.jpg"},   {&Partida::Patras, "Entrada.jpg"},
            {&Partida::Patras, "Cercanias.gif"}, {&Partida::Patras, "Entrada.jpg"}};
        for (const auto &[boton, dibujo] : pasos) {
            g.anadirLinea(QStringLiteral("algo que borrar"));
            g.tomar();
            (p.*boton)();
            // Picture first, then the place's buttons, hint and cue, and the screen cleared last.
            QCOMPARE(g.tomar(), QStringList({QStringLiteral("dibujo ") + dibujo, "botones",
                                             "pista 0", "sonido Direccion", "vaciar"}));
            QVERIFY(g.lista.isEmpty());
        }
    }

    void botonQueNoSirveNoHaceNada() {
        // Every button that is off in a place does nothing there: no move, no sound, no clearing.
        const std::pair<void (Partida::*)(), bool Botones::*> botones[] = {
            {&Partida::PaLante, &Botones::PaLante},
            {&Partida::Patras, &Botones::Patras},
            {&Partida::Izquierda, &Botones::Izquierda},
            {&Partida::Derecha, &Botones::Derecha},
        };
        for (qint16 lugar = 0; lugar < 6; ++lugar) {
            for (const auto &[boton, usable] : botones) {
                Grabadora g;
                Partida p(g);
                p.estado().Lugar = lugar;
                p.Cargar();
                const bool sirve = g.botones.*usable;
                g.tomar();
                (p.*boton)();
                QCOMPARE(p.estado().Lugar != lugar, sirve);
                QVERIFY2(g.tomar().isEmpty() != sirve, qPrintable(QString::number(lugar)));
            }
        }
    }

    void verEInventario() {
        Grabadora g;
        Partida p(g);
        p.Cargar();
        p.PaLante();
        g.tomar();
        p.Ver();
        const QStringList vista = g.tomar();
        QCOMPARE(vista.mid(0, 2), QStringList({"sonido Ver", "vaciar"}));
        QCOMPARE(vista.size(), 2 + 3);
        p.Inventario();
        QCOMPARE(g.tomar(), QStringList({"sonido Objeto", "vaciar", linea("Inventario: ")}));

        // A place number off the map: looking does nothing at all.
        p.estado().Lugar = 6;
        p.Ver();
        QVERIFY(g.tomar().isEmpty());
    }

    void banderasDelCajon() {
        // Exactly the flags each step of the drawer sets, and no other.
        Grabadora g;
        Partida p(g);
        p.estado().Lugar = 1;
        const std::pair<const char *, Estado> pasos[] = {
            {"mirar cajón", {.Lugar = 1}},
            {"usar el cajón", {.Lugar = 1}},
            {"coger mazo", {.Lugar = 1, .MazoCogido = 1, .TieneMazo = 1}},
            {"observar el cajón",
             {.Lugar = 1, .MazoCogido = 1, .ClavoEncontrado = 1, .TieneMazo = 1, .TieneClavo = 1}},
        };
        for (const auto &[orden, despues] : pasos) {
            p.ProcesarOrden(QString::fromUtf8(orden));
            QCOMPARE(p.estado(), despues);
        }
    }

    void coche() {
        const QString orden = QStringLiteral("Usar el mazo, y el clavo en el COCHE.");
        Grabadora g;
        Partida p(g, [] { return 0.0; });
        // Without the message: the near miss, which sets nothing.
        const Estado conObjetos{.TieneMazo = 1, .TieneClavo = 1};
        p.estado() = conObjetos;
        p.ProcesarOrden(orden);
        QCOMPARE(p.estado(), conObjetos);

        // With the message but one object missing: nothing takes it but the refusal.
        p.estado() = Estado{.MensajeLeido = 1, .TieneMazo = 1};
        g.tomar();
        p.ProcesarOrden(orden);
        QCOMPARE(g.tomar(), QStringList({"vaciar", linea(Negativas[0])}));

        p.estado().TieneClavo = 1;
        p.ProcesarOrden(orden);
        QCOMPARE(g.tomar(), QStringList({"vaciar", "sonido Ayuda", "ganar"}));
    }

    void pistaAntesDelMensaje() {
        const char *mensaje = "¡Coño!, er 'Bolco' ha dejao un mensaje ...";
        Grabadora g;
        Partida p(g);
        p.estado() = Estado{.Lugar = 5, .TieneTornillo = 1, .TieneDestornillador = 1};
        p.ProcesarOrden(QStringLiteral("accionar el monumento con tornillo y destornillador"));
        QCOMPARE(g.tomar(), QStringList({"vaciar", "pista 1", linea(mensaje)}));
        QCOMPARE(
            p.estado(),
            (Estado{.Lugar = 5, .MensajeLeido = 1, .TieneTornillo = 1, .TieneDestornillador = 1}));
    }

    void salirNoLimpia() {
        Grabadora g;
        Partida p(g);
        p.ProcesarOrden(QStringLiteral("vacilar"));
        g.tomar();
        p.ProcesarOrden(QStringLiteral("me voy a salir"));
        QCOMPARE(g.tomar(), QStringList({"terminar"}));
        QVERIFY(!g.lista.isEmpty());
    }

    void sorteos_data() {
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("negativa");
        QTest::addColumn<int>("vacile");
        QTest::newRow("cero") << 0.0 << 0 << 0;
        QTest::newRow("un tercio") << 1.0 / 3 << 1 << 3;
        QTest::newRow("casi uno") << 0.9999999 << 2 << 9;
        QTest::newRow("uno justo") << 1.0 << 0 << 0; // out of range: taken as 0
        QTest::newRow("negativo") << -0.5 << 0 << 0;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0 << 0;
        QTest::newRow("infinito") << std::numeric_limits<double>::infinity() << 0 << 0;
    }

    void sorteos() {
        QFETCH(double, u);
        QFETCH(int, negativa);
        QFETCH(int, vacile);
        Grabadora g;
        Partida p(g, [u] { return u; });
        p.ProcesarOrden(QString());
        QCOMPARE(g.tomar(), QStringList({"vaciar", linea(Negativas[std::size_t(negativa)])}));
        p.ProcesarOrden(QStringLiteral("VACILAR un rato"));
        QStringList esperado{"vaciar"};
        for (const char *l : Vaciles[std::size_t(vacile)])
            esperado << linea(l);
        QCOMPARE(g.tomar(), esperado);
    }

    void sorteoDelRelojCambia() {
        // Re-seeded from the clock on every call: not one value forever.
        QSet<double> vistos;
        for (int i = 0; i < 2000; ++i)
            vistos.insert(sorteoDelReloj());
        QVERIFY(vistos.size() > 1);
    }
};

QTEST_APPLESS_MAIN(TstPartida)
#include "tst_partida.moc"
