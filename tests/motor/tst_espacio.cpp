// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every state the game can reach, explored breadth-first with the six buttons and every pattern of
// every table typed as an order: the game can always still be won, every step keeps the rules that
// hold in every game (progress never lost, objects in order, moves along the map), and winning
// needs the mallet, the nail and the monument's message, at the car.

#include "Atajos.h"
#include "Grabadora.h"
#include "Guardado.h"
#include "Invariantes.h"
#include "Partida.h"
#include "Reglas.h"

#include <QTest>
#include <map>
#include <set>
#include <vector>

namespace {

// Every line a player can give: the six buttons, and every pattern of every table as an order.
QStringList acciones() {
    QStringList a;
    for (const Atajo &atajo : Atajos)
        a << QString::fromLatin1(atajo.linea);
    std::set<QString> patrones;
    for (qint16 lugar = 0; lugar <= 6; ++lugar) // 6: the rules that hold everywhere
        for (const Regla &r : lugar < 6 ? reglasDe(lugar) : ReglasGenerales)
            for (const char *p : r.patrones)
                patrones.insert(QString::fromLatin1(p));
    for (const QString &p : patrones)
        a << p;
    return a;
}

// A compact, ordered key; every flag is 0 or 1, as reglaRota has checked.
quint32 clave(const Estado &e) {
    quint32 k = quint32(e.Lugar);
    int bit = 3;
    for (Bandera b : TodasLasBanderas)
        k |= quint32(e.*b) << bit++;
    return k;
}

} // namespace

class TstEspacio : public QObject {
    Q_OBJECT
  private slots:
    void todoEstadoPuedeGanar() {
        const QStringList todas = acciones();
        QVERIFY(todas.size() > 60);

        std::vector<Estado> vistos{Estado{}}; // in the order found: the queue of the search
        std::set<quint32> conocidos{clave(Estado{})};
        std::map<quint32, std::set<quint32>> siguientes;
        std::set<quint32> ganadores; // states where some action wins
        for (std::size_t i = 0; i < vistos.size(); ++i) {
            const Estado e = vistos[i];
            const quint32 k = clave(e);

            for (const QString &a : todas) {
                Grabadora g;
                Partida p(g, [] { return 0.0; });
                p.estado() = e;
                jugarLinea(p, a);
                const Estado &despues = p.estado();
                if (const char *rota = reglaRota(e, despues))
                    QFAIL(qPrintable(a + QStringLiteral(": ") + QString::fromUtf8(rota)));
                if (g.hechos.contains(QStringLiteral("ganar"))) {
                    QVERIFY2(puedeGanar(e), qPrintable(a));
                    QCOMPARE(despues, e); // winning changes no state
                    ganadores.insert(k);
                    continue;
                }
                if (g.hechos.contains(QStringLiteral("terminar")))
                    continue;
                const quint32 kd = clave(despues);
                siguientes[k].insert(kd);
                if (conocidos.insert(kd).second)
                    vistos.push_back(despues);
            }
        }

        // A state can win if some step leads to one that can: grow the set until it stops.
        std::set<quint32> puedenGanar = ganadores;
        for (std::size_t antes = 0; antes != puedenGanar.size();) {
            antes = puedenGanar.size();
            for (const auto &[k, destinos] : siguientes)
                for (quint32 d : destinos)
                    if (puedenGanar.count(d))
                        puedenGanar.insert(k);
        }
        qInfo("%zu reachable states, %zu of them one order from winning", vistos.size(),
              ganadores.size());
        for (const Estado &e : vistos)
            QVERIFY2(puedenGanar.count(clave(e)), qPrintable(QString::number(clave(e), 2)));

        // Every state a player can reach is saved and restored whole, and the check that tokens
        // pass accepts exactly those: of all 6 x 2^8 states, no more and no fewer.
        for (const Estado &e : vistos) {
            Grabadora g;
            Partida p(g);
            p.estado() = e;
            Partida q(g);
            QVERIFY(!q.restaurar(p.guardar()));
            QCOMPARE(q.estado(), e);
        }
        std::size_t posibles = 0;
        for (quint32 k = 0; k < (6u << 8); ++k) {
            Estado e{.Lugar = std::int16_t(k >> 8)};
            int bit = 0;
            for (Bandera b : TodasLasBanderas)
                e.*b = std::int16_t((k >> bit++) & 1);
            if (partidaPosible(e, false)) {
                ++posibles;
                QVERIFY2(conocidos.count(clave(e)), qPrintable(QString::number(clave(e), 2)));
            }
        }
        QCOMPARE(posibles, vistos.size());
    }
};

QTEST_APPLESS_MAIN(TstEspacio)
#include "tst_espacio.moc"
