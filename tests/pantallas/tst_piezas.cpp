// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The parts under the screens: the order history, where pictures and cues are looked for, what a
// broken picture does, and which WAV files are played.

#include "ApoyoVentanas.h"
#include "FicheroWav.h"
#include "Wav.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A picture of a given size, saved in the format its name says; with no size, a file that is no
// picture at all.
void guardarDibujo(const QString &ruta, QSize tamano = {}, QColor color = Qt::red) {
    QDir().mkpath(QFileInfo(ruta).path());
    QImage imagen(tamano, QImage::Format_RGB32);
    imagen.fill(color);
    QFile basura(ruta);
    QVERIFY(tamano.isEmpty()
                ? basura.open(QIODevice::WriteOnly) && basura.write("no es un dibujo") > 0
                : imagen.save(ruta));
}

// A WAV file of the given sample type holding that many samples of any sound.
FicheroWav wav(quint16 formato = 1, quint16 bits = 16, qsizetype muestras = 1000) {
    FicheroWav w;
    w.formato = formato;
    w.bits = bits;
    w.muestras = QByteArray(muestras * bits / 8, 'a');
    return w;
}

} // namespace

class PruebaPiezas : public QObject {
    Q_OBJECT
    Grabadora registro;
    const QString carpetaInicial = QDir::currentPath();

  private slots:
    void initTestCase() { Disposicion::prepararAplicacion(); }
    void init() {
        Ventanas::olvidarTodas();
        escuchar(registro);
    }
    void cleanup() { QDir::setCurrent(carpetaInicial); }
    void cleanupTestCase() { Ventanas::olvidarTodas(); }

    // Up and Down walk the orders given, newest first, and come back to what was being typed.
    void historialConLasFlechas() {
        Juego &juego = entrar();
        auto *caja = control<QLineEdit>(juego, "text1");
        auto *lista = control<QListWidget>(juego, "List1");
        QTest::keyClicks(caja, QStringLiteral("mir"));
        QTest::keyClick(caja, Qt::Key_Up); // nothing to recall yet
        QTest::keyClick(caja, Qt::Key_Down);
        QCOMPARE(caja->text(), QStringLiteral("mir"));
        caja->clear();
        // A blank order is not kept, and one given again is kept once, as the newest.
        QStringList respuestas;
        for (const char *orden : {"mirar coche", "   ", "vacilar", "mirar coche"}) {
            QTest::keyClicks(caja, QString::fromUtf8(orden));
            QTest::keyClick(caja, Qt::Key_Return);
            respuestas << lista->item(0)->text();
        }
        QCOMPARE(respuestas.at(0), respuestas.at(3));
        QTest::keyClicks(caja, QStringLiteral("mir"));
        // Nothing older than vacilar: a third Up stays there.
        const std::pair<Qt::Key, const char *> pasos[] = {{Qt::Key_Up, "mirar coche"},
                                                          {Qt::Key_Up, "vacilar"},
                                                          {Qt::Key_Up, "vacilar"},
                                                          {Qt::Key_Down, "mirar coche"},
                                                          {Qt::Key_Down, "mir"}};
        for (const auto &[tecla, texto] : pasos) {
            QTest::keyClick(caja, tecla);
            QCOMPARE(caja->text(), QLatin1String(texto));
        }
        // A recalled order runs like a typed one, and browsing starts again from the newest.
        QTest::keyClick(caja, Qt::Key_Up);
        lista->clear();
        QTest::keyClick(caja, Qt::Key_Return);
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->item(0)->text(), respuestas.at(0));
        QTest::keyClick(caja, Qt::Key_Up);
        QCOMPARE(caja->text(), QStringLiteral("mirar coche"));
        // The arrows changed nothing but the box's text: no cue, no message.
        QCOMPARE(registro.hechos, (QStringList{"sonido Direccion", "sonido Empieza"}));
    }

    // Place pictures come from Archivos/Dibujos under the working directory first, else from
    // beside the program (here a link to the source tree's, as in bin/); the installed data folder
    // is the package test's. A missing or broken copy passes to the next folder.
    void dondeSeBuscanLosDibujos() {
        const QString cuarto = QStringLiteral("cuarto.jpg");
        const QImage delPrograma(QStringLiteral(JUBO_FUENTE "/Archivos/Dibujos/cuarto.jpg"));
        QVERIFY(!delPrograma.isNull());
        QTemporaryDir tmp;
        QDir::setCurrent(tmp.path());
        QCOMPARE(leerDibujo(cuarto, carpetasDibujos()), delPrograma);
        guardarDibujo(tmp.filePath(QStringLiteral("Archivos/Dibujos/cuarto.jpg")), QSize(30, 20));
        QCOMPARE(leerDibujo(cuarto, carpetasDibujos()).size(), QSize(30, 20));

        const QString a = tmp.filePath(QStringLiteral("a")), b = tmp.filePath(QStringLiteral("b")),
                      c = tmp.filePath(QStringLiteral("c"));
        guardarDibujo(a + QStringLiteral("/cuarto.jpg"));
        guardarDibujo(b + QStringLiteral("/cuarto.jpg"), QSize(30, 20));
        guardarDibujo(c + QStringLiteral("/cuarto.jpg"), QSize(40, 10));
        guardarDibujo(c + QStringLiteral("/Parque.jpg"), QSize(5, 5));
        QCOMPARE(leerDibujo(cuarto, {a, b, c}).size(), QSize(30, 20));
        QCOMPARE(leerDibujo(cuarto, {c, b}).size(), QSize(40, 10));
        QVERIFY(leerDibujo(QStringLiteral("Parque.jpg"), {a, b}).isNull());
        QVERIFY(leerDibujo(cuarto, {a}).isNull());
        QVERIFY(leerDibujo(QStringLiteral("Cuarto.jpg"), {b}).isNull()); // names as written
    }

    // A move replaces the picture and resizes it; a broken or missing file keeps the last one
    // and the game goes on.
    void cadaMovimientoCambiaElDibujo() {
        QTemporaryDir tmp;
        guardarDibujo(tmp.filePath(QStringLiteral("cuarto.jpg")), QSize(300, 200));
        guardarDibujo(tmp.filePath(QStringLiteral("comedor.jpg")));
        guardarDibujo(tmp.filePath(QStringLiteral("Entrada.jpg")), QSize(617, 362), Qt::green);
        Juego &juego = Ventanas::juego();
        juego.ponerCarpetasDibujos({tmp.path()});
        auto *imagen = control<QLabel>(juego, "Image1");
        const QPoint sitio = imagen->pos();
        QCOMPARE(imagen->size(), QSize(617, 362));

        clic(juego, "PaLante");
        QVERIFY(esperarDibujos(juego));
        QCOMPARE(imagen->size(), QSize(300, 200));
        QCOMPARE(imagen->pos(), sitio);
        const QColor color = imagen->pixmap().toImage().pixelColor(5, 5);
        QVERIFY(color.red() > 240 && color.green() < 16 && color.blue() < 16);
        QCOMPARE(imagen->accessibleName(), QStringLiteral("Cuarto"));

        // The dining room's picture is broken, the garden's missing: the room's stays.
        const qint64 antes = imagen->pixmap().cacheKey();
        for (const auto &[lugar, nombre] : {std::pair{Comedor, u"Comedor"}, {Jardin, u"Jardín"}}) {
            clic(juego, "Izquierda");
            QVERIFY(esperarDibujos(juego));
            QCOMPARE(juego.partida().estado().Lugar, qint16(lugar));
            QCOMPARE(imagen->pixmap().cacheKey(), antes);
            QCOMPARE(imagen->accessibleName(), QString::fromUtf16(nombre));
        }
        // The cues went on as usual: one Direccion for the load, one per move.
        QCOMPARE(registro.hechos, QStringList(4, QStringLiteral("sonido Direccion")));
    }

    void dondeSeBuscanLosSonidos() {
        QTemporaryDir tmp;
        const QString bin = tmp.filePath(QStringLiteral("bin"));
        const QString junto = bin + QStringLiteral("/Archivos/Sonidos/");
        const QString instalado = tmp.filePath(QStringLiteral("share/jubo/Archivos/Sonidos/"));
        QDir().mkpath(junto);
        QDir().mkpath(instalado);
        for (const QString &f :
             {junto + QStringLiteral("Ver.wav"), instalado + QStringLiteral("Ver.wav"),
              instalado + QStringLiteral("Ayuda.wav")}) {
            QFile w(f);
            QVERIFY(w.open(QIODevice::WriteOnly));
        }
        QCOMPARE(Module1::ficheroSonido(Sonido::Ver, bin), junto + QStringLiteral("Ver.wav"));
        QCOMPARE(Module1::ficheroSonido(Sonido::Ayuda, bin),
                 instalado + QStringLiteral("Ayuda.wav"));
        QCOMPARE(Module1::ficheroSonido(Sonido::Cagonto, bin), QString());
        // Never under the working directory, although it holds one.
        QDir::setCurrent(bin);
        QCOMPARE(Module1::ficheroSonido(Sonido::Ver, tmp.filePath(QStringLiteral("otro"))),
                 QString());
    }

    void queWavSePuedenTocar() {
        QVERIFY(wavReproducible(wav().bytes()));
        QVERIFY(wavReproducible(wav(1, 8).bytes()));
        // An odd-sized chunk before the data is padded to an even size.
        FicheroWav conLista = wav();
        conLista.otrosTrozos = QByteArray("LIST\x03\0\0\0abc\0", 12);
        QVERIFY(wavReproducible(conLista.bytes()));
        conLista.otrosTrozos.chop(1);
        QVERIFY(!wavReproducible(conLista.bytes()));
        const QByteArray bueno = wav().bytes();
        QVERIFY(!wavReproducible(bueno.left(bueno.size() - 1))); // cut short
        QVERIFY(!wavReproducible(bueno.left(40)));
        QVERIFY(!wavReproducible(QByteArray()));
        QVERIFY(!wavReproducible(QByteArray(5000, 'x')));
        FicheroWav promete = wav();
        promete.tamanoDeclarado = 1 << 30; // promises more than it holds
        QVERIFY(!wavReproducible(promete.bytes()));
        QVERIFY(!wavReproducible(wav(1, 16, 0).bytes())); // nothing to play
        QVERIFY(!wavReproducible(wav(3, 32).bytes()));    // float samples
        QVERIFY(!wavReproducible(wav(1, 24).bytes()));
        QByteArray sinFormato = bueno;
        sinFormato.replace("fmt ", "fmx ");
        QVERIFY(!wavReproducible(sinFormato));
        QVERIFY(!wavReproducible(QStringLiteral(JUBO_FUENTE "/Archivos/Sonidos/NoEsta.wav")));
    }
};

QTEST_MAIN(PruebaPiezas)
#include "tst_piezas.moc"
