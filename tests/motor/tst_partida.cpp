// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as the screen sees it: what each click and order does to the screen, in which order,
// and which flags it sets. What the player reads is in the transcripts run through jubo-texto.

#include "Atajos.h"
#include "Grabadora.h"
#include "Guardado.h"
#include "Partida.h"
#include "Reglas.h"

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
        QCOMPARE(g.tomar(), QStringList({"dibujo Entrada.jpg", "lugar Entrada", "botones",
                                         "pista 0", "sonido Direccion"}));
        QCOMPARE(p.estado(), Estado{});
        // Where each place is and which buttons it has is in the transcripts; here, the picture and
        // the order of what a move does.
        const std::tuple<void (Partida::*)(), const char *, const char *> pasos[] = {
            {&Partida::PaLante, "cuarto.jpg", "Cuarto"},
            {&Partida::Izquierda, "comedor.jpg", "Comedor"},
            {&Partida::Izquierda, "jardin.jpg", "Jardín"},
            {&Partida::Izquierda, "Parque.jpg", "Parque"},
            {&Partida::Derecha, "jardin.jpg", "Jardín"},
            {&Partida::Derecha, "comedor.jpg", "Comedor"},
            {&Partida::Derecha, "cuarto.jpg", "Cuarto"},
            {&Partida::Patras, "Entrada.jpg", "Entrada"},
            {&Partida::Patras, "Cercanias.gif", "Cercanías"},
            {&Partida::Patras, "Entrada.jpg", "Entrada"}};
        for (const auto &[boton, dibujo, lugar] : pasos) {
            (p.*boton)();
            // Picture first, then the place, its buttons, hint and cue, and the screen cleared
            // last.
            QCOMPARE(g.tomar(), QStringList({QStringLiteral("dibujo ") + dibujo,
                                             QStringLiteral("lugar ") + QString::fromUtf8(lugar),
                                             "botones", "pista 0", "sonido Direccion", "vaciar"}));
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

    // One button line or order from a given state, every draw 0: what it does to the screen, in
    // order, and exactly the flags it sets.
    void accion_data() {
        QTest::addColumn<Estado>("antes");
        QTest::addColumn<QString>("accion");
        QTest::addColumn<QStringList>("hechos");
        QTest::addColumn<Estado>("despues");
        const auto fila = [](const char *nombre, Estado antes, const char *accion,
                             QStringList hechos, Estado despues) {
            QTest::newRow(nombre) << antes << QString::fromUtf8(accion) << hechos << despues;
        };
        const char *coche = "Usar el mazo, y el clavo en el COCHE.";
        const Estado cuarto{.Lugar = Cuarto};
        const Estado conMazo{.Lugar = Cuarto, .MazoCogido = 1, .TieneMazo = 1};
        const Estado objetos{.TieneMazo = 1, .TieneClavo = 1};
        const Estado ganable{.MensajeLeido = 1, .TieneMazo = 1, .TieneClavo = 1};
        const Estado herramientas{.Lugar = Cercanias, .TieneTornillo = 1, .TieneDestornillador = 1};
        fila("ver", {}, "/ver",
             {"sonido Ver", "vaciar",
              linea("Es la  entrada a la casa der Gorvil, alias 'Er Bolco'. Por esta zona tié "
                    "que haber una bomba escondia")},
             {});
        fila("inventario", {}, "/inventario", {"sonido Objeto", "vaciar", linea("Inventario: ")},
             {});
        fila("ver fuera del mapa", {.Lugar = 6}, "/ver", {}, {.Lugar = 6});
        fila("mirar cajon", cuarto, "mirar cajón",
             {"vaciar", linea("¡Hay un mazo! ... Pos mu bién, ¿no?")}, cuarto);
        fila("usar cajon", cuarto, "usar el cajón",
             {"vaciar", linea("¡Hay un mazo! ... Pos mu bién, ¿no?")}, cuarto);
        fila("coger mazo", cuarto, "coger mazo", {"vaciar", linea("Vale, ya tengo el mazo")},
             conMazo);
        fila("clavo", conMazo, "observar el cajón",
             {"vaciar", linea("¡Coño!, no había visto que aparte del mazo, había un clavo, lo "
                              "cogeré ...")},
             {.Lugar = Cuarto,
              .MazoCogido = 1,
              .ClavoEncontrado = 1,
              .TieneMazo = 1,
              .TieneClavo = 1});
        // Without the message, the near miss; with it but one object missing, the refusal.
        fila("coche sin mensaje", objetos, coche,
             {"vaciar", linea("Ché, podría abrí la puerta con eso, pero ... ¿Pa qué destrosá un "
                              "coche tan bonito ...?, ¿¿Pa na??")},
             objetos);
        fila("coche sin clavo", {.MensajeLeido = 1, .TieneMazo = 1}, coche,
             {"vaciar", linea(Negativas[0])}, {.MensajeLeido = 1, .TieneMazo = 1});
        fila("coche gana", ganable, coche, {"vaciar", "sonido Ayuda", "ganar"}, ganable);
        // The hint comes up before the message it explains.
        fila("mensaje", herramientas, "accionar el monumento con tornillo y destornillador",
             {"vaciar", "pista 1", linea("¡Coño!, er 'Bolco' ha dejao un mensaje ...")},
             {.Lugar = Cercanias, .MensajeLeido = 1, .TieneTornillo = 1, .TieneDestornillador = 1});
        fila("salir no limpia", {}, "me voy a salir", {"terminar"}, {});
    }

    void accion() {
        QFETCH(Estado, antes);
        QFETCH(QString, accion);
        QFETCH(QStringList, hechos);
        QFETCH(Estado, despues);
        Grabadora g;
        Partida p(g, [] { return 0.0; });
        p.estado() = antes;
        jugarLinea(p, accion);
        QCOMPARE(g.tomar(), hechos);
        QCOMPARE(p.estado(), despues);
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
        p.ProcesarOrden(u16(QString()));
        QCOMPARE(g.tomar(), QStringList({"vaciar", linea(Negativas[std::size_t(negativa)])}));
        p.ProcesarOrden(u16(QStringLiteral("VACILAR un rato")));
        QStringList esperado{"vaciar"};
        for (const char *l : Vaciles[std::size_t(vacile)])
            esperado << linea(l);
        QCOMPARE(g.tomar(), esperado);
    }

    // A refused token says why, and the game goes on as it was: same state, nothing shown.
    void fichaRechazada_data() {
        QTest::addColumn<QByteArray>("ficha");
        QTest::addColumn<QString>("motivo");
        const QByteArray buena = QByteArray::fromStdString(escribirFicha({.Lugar = Jardin}, false));
        QByteArray tocada = buena;
        tocada[7] = '1'; // a flag flipped, the check left as it was
        const QString dano = QStringLiteral("está dañada");
        QTest::newRow("vacía") << QByteArray() << "no es una partida guardada de este juego";
        QTest::newRow("otra cosa")
            << QByteArray("hola") << "no es una partida guardada de este juego";
        QTest::newRow("versión nueva")
            << QByteArray("jubo2-0000000000-0000") << "es de otra versión del juego";
        QTest::newRow("un dígito tocado") << tocada << dano;
        QTest::newRow("cortada") << buena.left(buena.size() - 1) << dano;
        QTest::newRow("larga") << buena + "0" << dano;
        QTest::newRow("letras") << QByteArray("jubo1-00000000x0-0000") << dano;
        QTest::newRow("nul") << QByteArray(buena).replace(6, 1, QByteArray(1, '\0')) << dano;
        const QString imposible =
            QStringLiteral("describe una partida a la que no se puede llegar");
        const std::pair<const char *, Estado> imposibles[] = {
            {"sitio 6", {.Lugar = 6}},
            {"bandera 2", {.TieneMazo = 2}},
            {"mazo sin cogerlo", {.TieneMazo = 1}},
            {"clavo sin mazo", {.ClavoEncontrado = 1, .TieneClavo = 1}},
            {"mensaje sin tornillo", {.MensajeLeido = 1}},
        };
        for (const auto &[nombre, e] : imposibles)
            QTest::newRow(nombre) << QByteArray::fromStdString(escribirFicha(e, false))
                                  << imposible;
        QTest::newRow("pista fuera del monumento")
            << QByteArray::fromStdString(escribirFicha({.MensajeLeido = 1,
                                                        .DestornilladorVisto = 1,
                                                        .TieneTornillo = 1,
                                                        .TieneDestornillador = 1},
                                                       true))
            << imposible;
    }

    void fichaRechazada() {
        QFETCH(QByteArray, ficha);
        QFETCH(QString, motivo);
        Grabadora g;
        Partida p(g, [] { return 0.0; });
        p.Cargar();
        p.PaLante();
        g.tomar();
        const Estado antes = p.estado();
        const char *dicho = p.restaurar(std::string_view(ficha.constData(), ficha.size()));
        QVERIFY(dicho);
        QCOMPARE(QString::fromUtf8(dicho), motivo);
        QCOMPARE(p.estado(), antes);
        QCOMPARE(g.tomar(), QStringList());
    }

    // Restoring tells the screen what a move would, then puts the hint back up.
    void fichaConPista() {
        Grabadora g;
        Partida p(g, [] { return 0.0; });
        p.estado() = {.Lugar = Cercanias,
                      .DestornilladorVisto = 1,
                      .TieneTornillo = 1,
                      .TieneDestornillador = 1};
        jugarLinea(p, QStringLiteral("usar tornillo destornillador monumento"));
        const std::string ficha = p.guardar();
        Grabadora otra;
        Partida q(otra);
        QVERIFY(!q.restaurar(ficha + "\n")); // as read back from a file
        QCOMPARE(q.estado(), p.estado());
        QCOMPARE(otra.tomar(), QStringList({"dibujo Cercanias.gif", "lugar Cercanías", "botones",
                                            "pista 0", "sonido Direccion", "vaciar", "pista 1"}));
        QCOMPARE(q.guardar(), ficha);
        q.Patras(); // leaving takes the hint down, and so out of the next save
        QVERIFY(q.guardar() != ficha);
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
