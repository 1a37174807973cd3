// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The way through the four screens and every way out, driven by clicks and key presses, with what
// is heard and shown at each step in its exact order.

#include "ApoyoVentanas.h"
#include "Atajos.h"
#include "Guion.h"
#include "Textos.h"

#include <QLabel>
#include <QtTest>

namespace {

const QString AvisoSalir =
    QStringLiteral("aviso Salir|Gracias por jugar|%1").arg(int(QMessageBox::NoIcon));
const QString AvisoEscape = QStringLiteral("aviso Salir|¡Gracias por jugar!, y vuelva pronto|%1")
                                .arg(int(QMessageBox::Warning));

} // namespace

class PruebaFlujo : public QObject {
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

    // The start shows the menu alone, in silence; the game, entered and left for the menu, is
    // found again as it was left.
    void delMenuAlJuegoYVuelta() {
        Menu &menu = arrancar();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QCOMPARE(ventanas(false), QStringList{"Menu"});
        QCOMPARE(ventanas(true), QStringList{"Menu"});
        QCOMPARE(registro.hechos, QStringList());
        clic(menu, "Eljuego");
        Juego &juego = Ventanas::juego();
        QVERIFY(QTest::qWaitForWindowActive(&juego));
        QCOMPARE(ventanas(true), QStringList{"Juego"});
        // The load handler's Direccion first, then the menu button's last step.
        QCOMPARE(registro.hechos, (QStringList{"sonido Direccion", "sonido Empieza"}));
        QTRY_COMPARE(QApplication::focusWidget(), control(juego, "text1"));
        for (const char *b : {"PaLante", "Patras"})
            QVERIFY2(control(juego, b)->isVisible() && control(juego, b)->isEnabled(), b);
        for (const char *b : {"Derecha", "Izquierda"})
            QVERIFY2(!control(juego, b)->isVisible() && !control(juego, b)->isEnabled(), b);
        QVERIFY(!control(juego, "Label1")->isVisible());
        QCOMPARE(juego.partida().estado(), Estado());

        clic(juego, "PaLante");
        QVERIFY(esperarDibujos(juego));
        teclearOrden(juego, QStringLiteral("coger mazo"));
        QTest::keyClicks(control<QLineEdit>(juego, "text1"), QStringLiteral("mirar caj"));
        const Estado estado = juego.partida().estado();
        const QStringList antes = lineas(juego);
        const qint64 dibujo = control<QLabel>(juego, "Image1")->pixmap().cacheKey();
        QCOMPARE(antes, QStringList{"Vale, ya tengo el mazo"});
        registro.hechos.clear();

        clic(juego, "PalMenu");
        QCOMPARE(ventanas(true), QStringList{"Menu"});
        QCOMPARE(registro.hechos, QStringList{"sonido Empieza"});
        clic(menu, "Eljuego");
        QCOMPARE(ventanas(true), QStringList{"Juego"});
        // No second load: Direccion is not heard on the way back.
        QCOMPARE(registro.hechos, (QStringList{"sonido Empieza", "sonido Empieza"}));
        QCOMPARE(&Ventanas::juego(), &juego);
        QCOMPARE(juego.partida().estado(), estado);
        QCOMPARE(estado.Lugar, qint16(Cuarto));
        QCOMPARE(estado.TieneMazo, qint16(1));
        QCOMPARE(lineas(juego), antes);
        QCOMPARE(control<QLineEdit>(juego, "text1")->text(), QStringLiteral("mirar caj"));
        QCOMPARE(control<QLabel>(juego, "Image1")->pixmap().cacheKey(), dibujo);
        QVERIFY(control(juego, "Izquierda")->isVisible());
        QVERIFY(!control(juego, "PaLante")->isVisible());
    }

    void introYVueltaAlMenu() {
        Menu &menu = arrancar();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        // By keyboard: Tab to Intro, Space presses it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), control(menu, "Intro"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        IntroAyuda &intro = Ventanas::introAyuda();
        QVERIFY(QTest::qWaitForWindowActive(&intro));
        QCOMPARE(ventanas(true), QStringList{"IntroAyuda"});
        QCOMPARE(ventanas(false), (QStringList{"Menu", "IntroAyuda"}));
        const QString ayuda = control<QLabel>(intro, "Label1")->text();
        const QString historia = control<QLabel>(intro, "Label2")->text();
        clic(intro, "Volver");
        QCOMPARE(ventanas(true), QStringList{"Menu"});
        // The menu gives the focus back to the button last pressed.
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QTRY_COMPARE(QApplication::focusWidget(), control(menu, "Intro"));
        clic(menu, "Intro");
        QCOMPARE(ventanas(true), QStringList{"IntroAyuda"});
        QCOMPARE(&Ventanas::introAyuda(), &intro);
        QCOMPARE(control<QLabel>(intro, "Label1")->text(), ayuda);
        QCOMPARE(control<QLabel>(intro, "Label2")->text(), historia);
        QCOMPARE(registro.hechos, (QStringList{"sonido Ayuda", "sonido Ayuda", "sonido Ayuda"}));
        QCOMPARE(ventanas(false), (QStringList{"Menu", "IntroAyuda"}));
    }

    void ningunBotonEsPredeterminado() {
        // Escape on a focused button does nothing, and Enter or Escape where no button has the
        // focus clicks none: no button is a default or cancel button. Only text1 takes Escape.
        Menu &menu = arrancar();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(ventanas(true), QStringList{"Menu"});
        QCOMPARE(registro.hechos, QStringList());
        clic(menu, "Eljuego");
        Juego &juego = Ventanas::juego();
        registro.hechos.clear();
        QWidget *lista = control(juego, "List1");
        lista->setFocus();
        QTest::keyClick(lista, Qt::Key_Return);
        for (const char *otro : {"List1", "Ver", "PalMenu"}) {
            control(juego, otro)->setFocus();
            QTest::keyClick(control(juego, otro), Qt::Key_Escape);
        }
        QCOMPARE(registro.hechos, QStringList());
        QCOMPARE(ventanas(true), QStringList{"Juego"});
        QCOMPARE(juego.partida().estado(), Estado());
    }

    // Every way out: the cue, then the farewell box, then the end, once each; or the end alone.
    void salidas_data() {
        QTest::addColumn<QString>("camino");
        QTest::addColumn<QStringList>("hechos");
        const QStringList despedida{"sonido Cagonto", AvisoSalir, "fin"};
        QTest::newRow("Salir del menú") << "Salir" << despedida;
        QTest::newRow("cerrar el menú") << "cerrarMenu" << despedida;
        QTest::newRow("cerrar el juego") << "cerrarJuego" << despedida;
        QTest::newRow("Escape en text1")
            << "Escape" << QStringList{"sonido Cagonto", AvisoEscape, "fin"};
        QTest::newRow("orden SALIR") << "SALIR" << QStringList{"fin"};
        QTest::newRow("cerrar Intro / Ayuda") << "cerrarIntro" << QStringList{"fin"};
    }
    void salidas() {
        QFETCH(QString, camino);
        QFETCH(QStringList, hechos);
        Menu &menu = arrancar();
        if (camino == QLatin1String("Salir")) {
            clic(menu, "Salir");
        } else if (camino == QLatin1String("cerrarMenu")) {
            QVERIFY(menu.close());
        } else if (camino == QLatin1String("cerrarIntro")) {
            clic(menu, "Intro");
            registro.hechos.clear();
            QVERIFY(Ventanas::introAyuda().close());
        } else {
            clic(menu, "Eljuego");
            Juego &juego = Ventanas::juego();
            registro.hechos.clear();
            if (camino == QLatin1String("cerrarJuego")) {
                QVERIFY(juego.close());
            } else if (camino == QLatin1String("SALIR")) {
                teclearOrden(juego, QStringLiteral("salir"));
            } else {
                // Half an order typed: Escape must not run it, whatever it says.
                QTest::keyClicks(control<QLineEdit>(juego, "text1"), QStringLiteral("coger ma"));
                QTest::keyClick(control<QLineEdit>(juego, "text1"), Qt::Key_Escape);
                QCOMPARE(juego.partida().estado(), Estado());
            }
            QVERIFY(lineas(juego).isEmpty());
        }
        QCOMPARE(registro.hechos, hechos);
    }

    // The walkthrough through the game screen's own buttons and typed orders, then both ways out
    // of the ending screen.
    void partidaCompletaHastaElFinal_data() {
        QTest::addColumn<bool>("porBoton");
        QTest::newRow("botón Final") << true;
        QTest::newRow("cerrar la ventana") << false;
    }
    void partidaCompletaHastaElFinal() {
        QFETCH(bool, porBoton);
        Juego &juego = entrar();
        QStringList guion = leerGuion(), conMensaje;
        const QString ganadora = guion.takeLast();
        for (const QString &linea : std::as_const(guion)) {
            if (const Atajo *a = buscarAtajo(linea))
                clic(juego, a->boton);
            else
                teclearOrden(juego, linea);
            if (control(juego, "Label1")->isVisible())
                conMensaje << linea;
        }
        // The monument's message shows where it is read, till the player walks on.
        QCOMPARE(conMensaje, QStringList{"usar tornillo y destornillador en el monumento"});
        clic(juego, "Inventario");
        QCOMPARE(lineas(juego), (QStringList{"Inventario: ", "- Destornillador", "- Tornillo",
                                             "- Clavo", "- Mazo"}));
        registro.hechos.clear();

        // Sent with the keypad's Enter.
        QTest::keyClicks(control<QLineEdit>(juego, "text1"), ganadora);
        QTest::keyClick(control<QLineEdit>(juego, "text1"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(registro.hechos, QStringList{"sonido Ayuda"});
        QVERIFY(lineas(juego).isEmpty());
        QVERIFY(control<QLineEdit>(juego, "text1")->text().isEmpty());
        Sacabo &final = Ventanas::sacabo();
        QVERIFY(QTest::qWaitForWindowActive(&final));
        QCOMPARE(ventanas(true), QStringList{"Sacabo"});
        QCOMPARE(control<QLabel>(final, "Label1")->text(), QString::fromUtf8(TextoEnhorabuena));

        if (porBoton)
            clic(final, "Command1");
        else
            QVERIFY(final.close());
        QCOMPARE(registro.hechos, (QStringList{"sonido Ayuda", "fin"}));
    }

    // The real message box: its text, title, icon and lone OK button, which closes it. Inside the
    // box's own event loop the test only looks and clicks; a box left open is closed after ten
    // seconds all the same, so that a fault fails the test instead of hanging it.
    void laCajaDeDespedidaDeVerdad() {
        Ventanas::ponerAviso({});
        QMessageBox::Icon icono = QMessageBox::NoIcon;
        QString texto, titulo;
        QList<QMessageBox::StandardButton> botones;
        bool cerradaALaFuerza = false;
        QTimer mirar, guardia; // local: neither outlives what it writes to
        mirar.setSingleShot(true);
        mirar.callOnTimeout([&] {
            auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!caja)
                return;
            std::tie(texto, titulo, icono) =
                std::tuple(caja->text(), caja->windowTitle(), caja->icon());
            for (QAbstractButton *b : caja->buttons())
                botones << caja->standardButton(b);
            if (!botones.isEmpty())
                QTest::mouseClick(caja->buttons().front(), Qt::LeftButton);
        });
        guardia.callOnTimeout([&] {
            if (auto *caja = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                cerradaALaFuerza = true;
                caja->done(0);
            }
        });
        mirar.start(0);
        guardia.start(10000);
        Ventanas::avisar(QString::fromUtf8(Ventanas::DespedidaEscape),
                         QString::fromUtf8(TituloSalir), QMessageBox::Warning);
        QVERIFY2(!cerradaALaFuerza, "its OK button did not close the box");
        QCOMPARE(texto, QStringLiteral("¡Gracias por jugar!, y vuelva pronto"));
        QCOMPARE(titulo, QStringLiteral("Salir"));
        QCOMPARE(icono, QMessageBox::Warning);
        QCOMPARE(botones, QList{QMessageBox::Ok});
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(PruebaFlujo)
#include "tst_flujo.moc"
