// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four windows on a screen narrower than the game window, as a 640 x 480 screen or a
// 1280 x 1024 one at scale 2 is (CTest runs this once on each): every window keeps its top-left
// corner on the screen, and lies wholly on it in each direction where it fits.

#include "ApoyoVentanas.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

class PruebaPantallaPequena : public QObject {
    Q_OBJECT

    Grabadora grabadora;

  private slots:
    void initTestCase() {
        Disposicion::prepararAplicacion();
        escuchar(grabadora);
    }
    void cleanupTestCase() { Ventanas::olvidarTodas(); }

    void ventanasALaVista_data() {
        QTest::addColumn<QString>("nombre");
        for (const char *n : NombresVentanas)
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void ventanasALaVista() {
        QFETCH(QString, nombre);
        QWidget *ventana = &::ventana(nombre);
        const QRect zona = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(zona.width() < Ventanas::juego().width(),
                 "the screen is not small: see this test's CMakeLists.txt");
        Ventanas::mostrar(*ventana);
        const QRect sitio = ventana->frameGeometry();
        QString donde;
        QDebug(&donde) << sitio << "on" << zona;
        QVERIFY2(zona.contains(sitio.topLeft()), qPrintable(donde));
        if (sitio.width() <= zona.width())
            QVERIFY2(sitio.right() <= zona.right(), qPrintable(donde));
        else
            QVERIFY2(sitio.left() == zona.left(), qPrintable(donde));
        if (sitio.height() <= zona.height())
            QVERIFY2(sitio.bottom() <= zona.bottom(), qPrintable(donde));
        else
            QVERIFY2(sitio.top() == zona.top(), qPrintable(donde));
        ventana->hide();
    }
};

QTEST_MAIN(PruebaPantallaPequena)
#include "tst_pantalla_pequena.moc"
