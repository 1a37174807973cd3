// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as the screen sees it: what each click and order does, and in which order.

#include "Grabadora.h"
#include "Partida.h"
#include "Reglas.h"
#include "Textos.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

QString linea(const char *utf8) {
    return QStringLiteral("linea ") + QString::fromUtf8(utf8);
}

// A draw source that hands out the given values in turn.
Sorteo valores(std::vector<double> v) {
    auto i = std::make_shared<std::size_t>(0);
    return [v, i] { return v[(*i)++ % v.size()]; };
}

} // namespace

class TstPartida : public QObject {
    Q_OBJECT
  private slots:
    void arranque();
    void paseoCompleto();
    void botonQueNoSirveNoHaceNada();
    void verEInventario();
    void escaleraDelCajon();
    void escaleraDelCoche();
    void mensajeDelMonumento();
    void salirNoLimpia();
    void reglasGeneralesDetrasDeLasDelLugar();
    void sorteos_data();
    void sorteos();
    void sorteoDelRelojCambia();
};

void TstPartida::arranque() {
    Grabadora g;
    Partida p(g);
    QVERIFY(g.hechos.isEmpty()); // nothing happens before the load handler
    p.Cargar();
    QCOMPARE(g.tomar(), QStringList({"botones", "pista 0", "sonido Direccion"}));
    QCOMPARE(g.botones, (Botones{.PaLante = true, .Patras = true}));
    QCOMPARE(p.estado(), Estado{});
}

void TstPartida::paseoCompleto() {
    Grabadora g;
    Partida p(g);
    p.Cargar();
    g.tomar();
    struct Paso {
        void (Partida::*boton)();
        qint16 lugar;
        const char *dibujo;
        Botones botones;
    };
    const Paso pasos[] = {
        {&Partida::PaLante, 1, "cuarto.jpg", {.Izquierda = true, .Patras = true}},
        {&Partida::Izquierda, 2, "comedor.jpg", {.Derecha = true, .Izquierda = true}},
        {&Partida::Izquierda, 3, "jardin.jpg", {.Derecha = true, .Izquierda = true}},
        {&Partida::Izquierda, 4, "Parque.jpg", {.Derecha = true}},
        {&Partida::Derecha, 3, "jardin.jpg", {.Derecha = true, .Izquierda = true}},
        {&Partida::Derecha, 2, "comedor.jpg", {.Derecha = true, .Izquierda = true}},
        {&Partida::Derecha, 1, "cuarto.jpg", {.Izquierda = true, .Patras = true}},
        {&Partida::Patras, 0, "Entrada.jpg", {.PaLante = true, .Patras = true}},
        {&Partida::Patras, 5, "Cercanias.gif", {.Patras = true}},
        {&Partida::Patras, 0, "Entrada.jpg", {.PaLante = true, .Patras = true}},
    };
    for (const Paso &paso : pasos) {
        g.anadirLinea(QStringLiteral("algo que borrar"));
        g.tomar();
        (p.*paso.boton)();
        QCOMPARE(p.estado().Lugar, paso.lugar);
        // Picture first, then the place's buttons, hint and cue, and the screen cleared last.
        QCOMPARE(g.tomar(), QStringList({QStringLiteral("dibujo ") + paso.dibujo, "botones",
                                         "pista 0", "sonido Direccion", "vaciar"}));
        QCOMPARE(g.botones, paso.botones);
        QVERIFY(g.lista.isEmpty());
    }
}

void TstPartida::botonQueNoSirveNoHaceNada() {
    // Every button that is off in a place does nothing there: no sound, no clearing.
    for (qint16 lugar = 0; lugar < 6; ++lugar) {
        Grabadora g;
        Partida p(g);
        p.estado().Lugar = lugar;
        p.Cargar();
        const Botones b = g.botones;
        g.tomar();
        const std::pair<bool, void (Partida::*)()> botones[] = {
            {b.PaLante, &Partida::PaLante},
            {b.Patras, &Partida::Patras},
            {b.Izquierda, &Partida::Izquierda},
            {b.Derecha, &Partida::Derecha},
        };
        for (const auto &[usable, boton] : botones) {
            Partida copia = p;
            (copia.*boton)();
            QCOMPARE(copia.estado().Lugar != lugar, usable);
            if (!usable)
                QVERIFY2(g.tomar().isEmpty(), qPrintable(QString::number(lugar)));
            g.tomar();
        }
    }
}

void TstPartida::verEInventario() {
    Grabadora g;
    Partida p(g);
    p.Cargar();
    p.PaLante();
    g.tomar();
    p.Ver();
    const QStringList primera = g.tomar();
    QCOMPARE(primera.mid(0, 2), QStringList({"sonido Ver", "vaciar"}));
    QCOMPARE(primera.size(), 2 + 3);
    p.Ver();
    QCOMPARE(g.tomar(), primera);

    // Inventory order is fixed, whatever order things were taken in.
    p.Inventario();
    QCOMPARE(g.tomar(), QStringList({"sonido Objeto", "vaciar", linea("Inventario: ")}));
    p.estado().TieneMazo = 1;
    p.estado().TieneClavo = 1;
    p.Inventario();
    QCOMPARE(g.lista, QStringList({"Inventario: ", "- Clavo", "- Mazo"}));
    p.estado().TieneTornillo = 1;
    p.estado().TieneDestornillador = 1;
    p.Inventario();
    QCOMPARE(g.lista,
             QStringList({"Inventario: ", "- Destornillador", "- Tornillo", "- Clavo", "- Mazo"}));

    // A place number off the map: looking does nothing at all.
    p.estado().Lugar = 6;
    g.tomar();
    p.Ver();
    QVERIFY(g.tomar().isEmpty());
}

void TstPartida::escaleraDelCajon() {
    Grabadora g;
    Partida p(g);
    p.estado().Lugar = 1;
    const char *mazo = "¡Hay un mazo! ... Pos mu bién, ¿no?";
    const char *clavo = "¡Coño!, no había visto que aparte del mazo, había un clavo, lo cogeré ...";
    const char *nada = "No hay nada má que interesé ...";

    p.ProcesarOrden(QStringLiteral("mirar cajón"));
    p.ProcesarOrden(QStringLiteral("usar el cajón"));
    QCOMPARE(g.tomar(), QStringList({"vaciar", linea(mazo), "vaciar", linea(mazo)}));
    QCOMPARE(p.estado(), (Estado{.Lugar = 1}));

    p.ProcesarOrden(QStringLiteral("mirar mesa"));
    QCOMPARE(g.lista, QStringList({"Hay un cajón que llama la atensión ..."}));
    p.ProcesarOrden(QStringLiteral("coger mazo"));
    QCOMPARE(p.estado(), (Estado{.Lugar = 1, .MazoCogido = 1, .TieneMazo = 1}));
    p.ProcesarOrden(QStringLiteral("mirar mesa"));
    QCOMPARE(g.lista, QStringList({"Parese que la mesa está hecha de madera de la buena ..."}));

    g.tomar();
    p.ProcesarOrden(QStringLiteral("observar el cajón"));
    QCOMPARE(g.tomar(), QStringList({"vaciar", linea(clavo)}));
    QCOMPARE(
        p.estado(),
        (Estado{
            .Lugar = 1, .MazoCogido = 1, .ClavoEncontrado = 1, .TieneMazo = 1, .TieneClavo = 1}));
    p.ProcesarOrden(QStringLiteral("usar cajon"));
    QCOMPARE(g.tomar(), QStringList({"vaciar", linea(nada)}));
    p.ProcesarOrden(QStringLiteral("coger clavo"));
    QCOMPARE(g.lista, QStringList({"¡Ya lo tengo pisshhaa! ..."}));
}

void TstPartida::escaleraDelCoche() {
    const QString orden = QStringLiteral("Usar el mazo, y el clavo en el COCHE.");
    const char *casi = "Ché, podría abrí la puerta con eso, pero ... ¿Pa qué destrosá un coche tan "
                       "bonito ...?, ¿¿Pa na??";
    Grabadora g;
    Partida p(g, valores({0.0}));
    const Estado conObjetos{.TieneMazo = 1, .TieneClavo = 1};
    p.estado() = conObjetos;
    p.ProcesarOrden(orden);
    QCOMPARE(g.tomar(), QStringList({"vaciar", linea(casi)}));
    QCOMPARE(p.estado(), conObjetos);

    // With the message but one object missing: nothing takes it but the refusal.
    p.estado() = Estado{.MensajeLeido = 1, .TieneMazo = 1};
    p.ProcesarOrden(orden);
    QCOMPARE(g.tomar(), QStringList({"vaciar", linea(Negativas[0])}));

    // Everything held, but away from the car: no win.
    p.estado() = Estado{.Lugar = 5, .MensajeLeido = 1, .TieneMazo = 1, .TieneClavo = 1};
    p.ProcesarOrden(orden);
    QVERIFY(!g.tomar().contains("ganar"));

    p.estado().Lugar = 0;
    p.ProcesarOrden(orden);
    QCOMPARE(g.tomar(), QStringList({"vaciar", "sonido Ayuda", "ganar"}));
}

void TstPartida::mensajeDelMonumento() {
    const char *mensaje = "¡Coño!, er 'Bolco' ha dejao un mensaje ...";
    Grabadora g;
    Partida p(g);
    p.estado() = Estado{.Lugar = 5, .TieneTornillo = 1, .TieneDestornillador = 1};
    p.ProcesarOrden(QStringLiteral("accionar el monumento con tornillo y destornillador"));
    // The hint goes up before the line that announces it.
    QCOMPARE(g.tomar(), QStringList({"vaciar", "pista 1", linea(mensaje)}));
    QCOMPARE(p.estado().MensajeLeido, 1);
    QVERIFY(g.pista);

    p.Patras();
    QVERIFY(!g.pista);
    p.Patras();
    QVERIFY(!g.pista);
    p.ProcesarOrden(QStringLiteral("usando tornillo destornillador monumento"));
    QVERIFY(g.pista);
    QCOMPARE(p.estado().MensajeLeido, 1);
}

void TstPartida::salirNoLimpia() {
    Grabadora g;
    Partida p(g);
    p.ProcesarOrden(QStringLiteral("vacilar"));
    g.tomar();
    p.ProcesarOrden(QStringLiteral("me voy a salir"));
    QCOMPARE(g.tomar(), QStringList({"terminar"}));
    QVERIFY(!g.lista.isEmpty());
}

void TstPartida::reglasGeneralesDetrasDeLasDelLugar() {
    Grabadora g;
    Partida p(g, valores({0.5}));
    p.estado() = Estado{.Lugar = 4, .TieneTornillo = 1, .TieneDestornillador = 1};
    p.ProcesarOrden(QStringLiteral("mirar tornillo"));
    QCOMPARE(g.lista, QStringList({"Está casi suelto ... "}));
    p.estado().Lugar = 3;
    p.ProcesarOrden(QStringLiteral("mirar tornillo"));
    QCOMPARE(g.lista.size(), 2);
    QVERIFY(g.lista[0].startsWith(QStringLiteral("Ahora la bisicleta no tendrá sillín")));

    // Not yet held: a refusal, with the screen cleared first.
    p.estado() = Estado{.Lugar = 2};
    p.ProcesarOrden(QStringLiteral("mirar mazo"));
    QCOMPARE(g.lista, QStringList({QString::fromUtf8(Negativas[1])}));
    p.estado().TieneMazo = 1;
    p.ProcesarOrden(QStringLiteral("mirar mazo"));
    QCOMPARE(g.lista.size(), 2);
}

void TstPartida::sorteos_data() {
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

void TstPartida::sorteos() {
    QFETCH(double, u);
    QFETCH(int, negativa);
    QFETCH(int, vacile);
    Grabadora g;
    Partida p(g, valores({u}));
    p.ProcesarOrden(QString());
    QCOMPARE(g.tomar(), QStringList({"vaciar", linea(Negativas[std::size_t(negativa)])}));
    p.ProcesarOrden(QStringLiteral("VACILAR un rato"));
    QStringList esperado{"vaciar"};
    for (const char *l : Vaciles[std::size_t(vacile)])
        esperado << linea(l);
    QCOMPARE(g.tomar(), esperado);
}

void TstPartida::sorteoDelRelojCambia() {
    // Re-seeded from the clock on every call: not one value forever.
    QSet<double> vistos;
    for (int i = 0; i < 2000; ++i)
        vistos.insert(sorteoDelReloj());
    QVERIFY(vistos.size() > 1);
}

QTEST_APPLESS_MAIN(TstPartida)
#include "tst_partida.moc"
