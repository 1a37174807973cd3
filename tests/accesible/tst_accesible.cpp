// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing by ear and by keyboard: what the game tells a screen reader after each thing the
// player does, which keys press which buttons and where the focus goes, the frames' captions, and
// Qt's own texts in Spanish.

#include "ApoyoVentanas.h"
#include "IntroAyuda.h"
#include "Sacabo.h"
#include "Sitios.h"
#include "Textos.h"
#include "TextosVentanas.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <utility>

class PruebaAccesible : public QObject {
    Q_OBJECT
    Grabadora registro;

  private slots:
    void initTestCase() { Disposicion::prepararAplicacion(); }
    void init() {
        Ventanas::olvidarTodas();
        Ventanas::ponerSorteo(SorteoFijo(7));
        escuchar(registro);
    }
    void cleanupTestCase() { Ventanas::olvidarTodas(); }

    // Enter (or keypad Enter) clicks the focused button in every window, once however long it
    // is held.
    void enterPulsaElBotonEnfocado() {
        Menu &menu = arrancar();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QTest::keyClick(control(menu, "Eljuego"), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), control(menu, "Intro"));
        QTest::keyClick(control(menu, "Intro"), Qt::Key_Return);
        QCOMPARE(ventanas(true), QStringList{"IntroAyuda"});
        IntroAyuda &intro = Ventanas::introAyuda();
        QVERIFY(QTest::qWaitForWindowActive(&intro));
        QTest::keyClick(control(intro, "Volver"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ventanas(true), QStringList{"Menu"});
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        control(menu, "Eljuego")->setFocus();
        QTest::keyClick(control(menu, "Eljuego"), Qt::Key_Return);
        QCOMPARE(ventanas(true), QStringList{"Juego"});

        Juego &juego = Ventanas::juego();
        QVERIFY(QTest::qWaitForWindowActive(&juego));
        QTest::mouseClick(control<QPushButton>(juego, "PaLante"), Qt::LeftButton);
        QWidget *izquierda = control(juego, "Izquierda");
        izquierda->setFocus();
        QTest::keyPress(izquierda, Qt::Key_Return);
        QKeyEvent repetida(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                           true);
        QApplication::sendEvent(izquierda, &repetida);
        QTest::keyRelease(izquierda, Qt::Key_Return);
        QCOMPARE(juego.partida().estado().Lugar, Comedor);

        juego.partida().estado() =
            Estado{.Lugar = Entrada, .MensajeLeido = 1, .TieneMazo = 1, .TieneClavo = 1};
        ordenar(juego, QStringLiteral("usar mazo clavo coche"));
        Sacabo &final = Ventanas::sacabo();
        QVERIFY(QTest::qWaitForWindowActive(&final));
        QTRY_COMPARE(QApplication::focusWidget(), control(final, "Command1"));
        registro.hechos.clear();
        QTest::keyClick(control(final, "Command1"), Qt::Key_Return);
        QCOMPARE(registro.hechos, QStringList{"fin"});
    }

    // The frames of the intro draw their border through the middle of their caption, clear of
    // the first line of the text below it.
    void marcosConElTituloEnElBorde() {
        IntroAyuda &intro = Ventanas::introAyuda();
        for (const char *nombreMarco : {"Frame1", "Frame2"}) {
            auto *marco = control<QGroupBox>(intro, nombreMarco);
            const QColor fondo = marco->palette().color(QPalette::Window);
            QImage imagen(marco->size(), QImage::Format_RGB32);
            imagen.fill(fondo);
            marco->render(&imagen, {}, {}, QWidget::DrawWindowBackground);
            int borde = -1; // the border's top row, in the middle of the frame
            for (int y = 0; y < imagen.height() && borde < 0; ++y)
                if (imagen.pixelColor(imagen.width() / 2, y) != fondo)
                    borde = y;
            const int alto = QFontMetrics(marco->font()).height();
            QVERIFY2(borde >= alto / 2 - 2 && borde <= alto / 2 + 2,
                     qPrintable(QStringLiteral("%1: borde en %2").arg(nombreMarco).arg(borde)));
            const QLabel *texto = marco->findChild<QLabel *>();
            QVERIFY(borde + 2 < texto->y());
            // The caption is drawn, over the border.
            int tinta = 0;
            for (int x = 0; x < imagen.width() / 4; ++x)
                for (int y = 0; y < alto; ++y)
                    tinta += imagen.pixelColor(x, y) != fondo;
            QVERIFY2(tinta > 20, nombreMarco);
        }
    }

    // Qt's own words are Spanish when its translations are installed, and English without them.
    void qtEnEspanol() {
        const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(carpeta + QStringLiteral("/qtbase_es.qm")))
            QSKIP("qt6-translations-l10n no está instalado");
        auto botonOk = [] {
            QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Salir"), QString(),
                             QMessageBox::Ok);
            return caja.button(QMessageBox::Ok)->text();
        };
        QCOMPARE(botonOk(), QStringLiteral("Aceptar")); // as the program's set-up left it
        QVERIFY(Disposicion::cargarQtEnEspanol(carpeta));
        QCOMPARE(botonOk(), QStringLiteral("Aceptar"));
        QLineEdit caja;
        std::unique_ptr<QMenu> menu(caja.createStandardContextMenu());
        QStringList acciones;
        for (QAction *a : menu->actions())
            acciones << a->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(acciones.contains(QStringLiteral("Seleccionar todo")),
                 qPrintable(acciones.join(u'|')));

        QTemporaryDir vacia;
        QVERIFY(!Disposicion::cargarQtEnEspanol(vacia.path()));
        QCOMPARE(botonOk(), QStringLiteral("OK"));
        QVERIFY(Disposicion::cargarQtEnEspanol(carpeta));
    }
};

QTEST_MAIN(PruebaAccesible)
#include "tst_accesible.moc"
