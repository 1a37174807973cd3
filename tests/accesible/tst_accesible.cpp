// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing by ear and by keyboard: what the game tells a screen reader after each thing the
// player does, which keys press which buttons and where the focus goes, the frames' captions, and
// Qt's own texts in Spanish.

#include "Anuncio.h"
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

namespace {

// Every text a screen reader is made to speak: the notification's name each time it is shown,
// which is when Qt tells the screen reader that it is showing.
class Oyente : public QObject {
  public:
    QStringList dichos;

    bool eventFilter(QObject *objeto, QEvent *evento) override {
        if (evento->type() == QEvent::Show)
            dichos << static_cast<QWidget *>(objeto)->accessibleName();
        return false;
    }
};

Oyente &oyente() {
    static Oyente o;
    return o;
}

// What was spoken since the last call.
QStringList oido() {
    return std::exchange(oyente().dichos, {});
}

Juego &entrarAlJuego() {
    Menu &menu = arrancar();
    QTest::mouseClick(control<QPushButton>(menu, "Eljuego"), Qt::LeftButton);
    Juego &juego = Ventanas::juego();
    if (!QTest::qWaitForWindowActive(&juego))
        qFatal("la ventana del juego no llega a activarse");
    juego.findChild<AvisoHablado *>()->installEventFilter(&oyente());
    return juego;
}

QString nombre(QWidget *w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

QString descripcion(QWidget *w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

} // namespace

class PruebaAccesible : public QObject {
    Q_OBJECT
    Grabadora registro;

  private slots:
    void initTestCase() { Disposicion::prepararAplicacion(); }
    void init() {
        Ventanas::olvidarTodas();
        Ventanas::ponerSorteo(SorteoFijo(7));
        escuchar(registro);
        oido();
    }
    void cleanupTestCase() { Ventanas::olvidarTodas(); }

    // Each reply, each new place and the hint are spoken once, whole, in the order shown.
    void cadaRespuestaSeDiceUnaVez() {
        Juego &juego = entrarAlJuego();
        QCOMPARE(oido(), QStringList()); // the window itself tells where the player is
        QVERIFY(descripcion(&juego).startsWith(
            QStringLiteral("Entrada. Salidas: Pa' Lante; Pa' Tras.")));

        ordenar(juego, QStringLiteral("mirar coche"));
        QCOMPARE(oido(),
                 QStringList{"Joé, tiene las puertas soldadas, y los cristales son anti-robos"});
        QTest::mouseClick(control<QPushButton>(juego, "Ver"), Qt::LeftButton);
        QCOMPARE(oido(), QStringList{QString::fromUtf8(Sitios[Entrada].vista[0])});
        QTest::mouseClick(control<QPushButton>(juego, "PaLante"), Qt::LeftButton);
        QCOMPARE(oido(), QStringList{"Cuarto. Salidas: Pa' Tras; Pa' Ca, a la izquierda."});
        ordenar(juego, QStringLiteral("coger mazo"));
        ordenar(juego, QStringLiteral("mirar mazo"));
        QCOMPARE(oido(), (QStringList{"Vale, ya tengo el mazo",
                                      "Un mazo bastante gordo y fuelte, joé, si te da esto en er "
                                      "deo, te\nescamocha pa toa la vida"}));
        QTest::mouseClick(control<QPushButton>(juego, "Inventario"), Qt::LeftButton);
        QCOMPARE(oido(), QStringList{"Inventario: \n- Mazo"});

        // The hint comes with the reply that shows it, in one go.
        juego.partida().estado().TieneTornillo = 1;
        juego.partida().estado().TieneDestornillador = 1;
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(control<QPushButton>(juego, "Patras"), Qt::LeftButton);
        QCOMPARE(oido(), (QStringList{"Entrada. Salidas: Pa' Lante; Pa' Tras.",
                                      "Cercanías. Salidas: Pa' Tras."}));
        ordenar(juego, QStringLiteral("usar tornillo destornillador monumento"));
        const QStringList dicho = oido();
        QCOMPARE(dicho.size(), 1);
        QVERIFY2(dicho.first().endsWith(u'\n' + QString::fromUtf8(TextoPista)) ||
                     dicho.first().startsWith(QString::fromUtf8(TextoPista) + u'\n'),
                 qPrintable(dicho.first()));
        QVERIFY(descripcion(&juego).endsWith(QString::fromUtf8(TextoPista)));

        // Back from the menu nothing is said again; the window's description tells the place.
        QTest::mouseClick(control<QPushButton>(juego, "PalMenu"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(Ventanas::menu(), "Eljuego"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(&juego));
        QCOMPARE(oido(), QStringList());
    }

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

    // The Alt keys press their buttons and leave the focus, the typing and the order history
    // in the order box.
    void atajosDesdeLaCajaDeOrdenes() {
        Juego &juego = entrarAlJuego();
        QLineEdit *caja = control<QLineEdit>(juego, "text1");
        QTRY_COMPARE(QApplication::focusWidget(), caja);
        auto lugar = [&] { return juego.partida().estado().Lugar; };
        QTest::keyClick(caja, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(lugar(), Cuarto);
        QTest::keyClick(caja, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(lugar(), Comedor);
        QTest::keyClick(caja, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(lugar(), Cuarto);
        QTest::keyClick(caja, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(lugar(), Entrada);
        QTest::keyClick(caja, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(lugar(), Cercanias);
        QTest::keyClick(caja, Qt::Key_Up, Qt::AltModifier); // no way on from here
        QCOMPARE(lugar(), Cercanias);
        oido();
        QTest::keyClick(caja, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(oido().value(0).section(u'\n', 0, 0),
                 QString::fromUtf8(Sitios[Cercanias].vista[0]));
        QTest::keyClick(caja, Qt::Key_I, Qt::AltModifier);
        QCOMPARE(oido(), QStringList{"Inventario: "});
        QCOMPARE(QApplication::focusWidget(), caja);

        ordenar(juego, QStringLiteral("mirar monumento"));
        teclear(caja, QStringLiteral("co"));
        QTest::keyClick(caja, Qt::Key_Up);
        QCOMPARE(caja->text(), QStringLiteral("mirar monumento"));
        QTest::keyClick(caja, Qt::Key_Down);
        QCOMPARE(caja->text(), QStringLiteral("co"));

        QTest::keyClick(caja, Qt::Key_M, Qt::AltModifier);
        QCOMPARE(ventanas(true), QStringList{"Menu"});

        // Every key is named on its button and in the help.
        const QString ayuda = descripcion(control(Ventanas::introAyuda(), "Label1"));
        for (const char *b :
             {"PaLante", "Patras", "Derecha", "Izquierda", "Ver", "Inventario", "PalMenu"}) {
            const QString tecla = descripcion(control(juego, b));
            QVERIFY2(tecla.startsWith(QLatin1String("Alt + ")), b);
            QVERIFY2(ayuda.contains(tecla + u':'), b);
        }
    }

    // After a move the focus stays on the button pressed while it is still there, else goes to
    // the order box; never to another button, which a second Space would press.
    void elFocoTrasMoverse() {
        Juego &juego = entrarAlJuego();
        auto lugar = [&] { return juego.partida().estado().Lugar; };
        QWidget *caja = control(juego, "text1");
        QWidget *palante = control(juego, "PaLante");
        palante->setFocus();
        QTest::keyClick(palante, Qt::Key_Space);
        QCOMPARE(lugar(), Cuarto);
        QCOMPARE(QApplication::focusWidget(), caja);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(lugar(), Cuarto);

        QWidget *izquierda = control(juego, "Izquierda");
        izquierda->setFocus();
        for (qint16 siguiente : {Comedor, Jardin, Parque}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(lugar(), siguiente);
            QCOMPARE(QApplication::focusWidget(), siguiente == Parque ? caja : izquierda);
        }
    }

    // What a listener hears for what is only seen.
    void loQueSoloSeVe() {
        Juego &juego = entrarAlJuego();
        QCOMPARE(control<QPushButton>(juego, "Izquierda")->text(), QStringLiteral("Pa' Ca <-----"));
        QCOMPARE(control<QPushButton>(juego, "Derecha")->text(), QStringLiteral("Pa' ya ------>"));
        for (const char *b : {"PaLante", "Patras", "Derecha", "Izquierda"})
            QVERIFY2(
                !nombre(control(juego, b)).contains(QRegularExpression(QStringLiteral("[<>]|--"))),
                b);

        // Each place's picture is described as itself, and the description follows the moves.
        QStringList vistas{descripcion(control(juego, "Image1"))};
        for (const char *b : {"PaLante", "Izquierda", "Izquierda", "Izquierda"}) {
            QTest::mouseClick(control<QPushButton>(juego, b), Qt::LeftButton);
            vistas << descripcion(control(juego, "Image1"));
        }
        for (const char *b : {"Derecha", "Derecha", "Derecha", "Patras", "Patras"})
            QTest::mouseClick(control<QPushButton>(juego, b), Qt::LeftButton);
        QCOMPARE(juego.partida().estado().Lugar, Cercanias);
        vistas << descripcion(control(juego, "Image1"));
        vistas.removeDuplicates();
        QCOMPARE(vistas.size(), 6);
        QVERIFY(!vistas.contains(QString()));

        for (QWidget *retrato :
             {control(Ventanas::menu(), "Image1"), control(Ventanas::introAyuda(), "Image1"),
              control(Ventanas::sacabo(), "Image1")})
            QVERIFY(!descripcion(retrato).isEmpty());

        // The texts of the intro and of the ending come with the button that has the focus.
        const QString volver = descripcion(control(Ventanas::introAyuda(), "Volver"));
        QVERIFY(volver.contains(QString::fromUtf8(TextoAyuda)));
        QVERIFY(volver.contains(QString::fromUtf8(TextoHistoria)));
        const QString final = descripcion(control(Ventanas::sacabo(), "Command1"));
        QVERIFY(final.contains(QString::fromUtf8(TextoEnhorabuena)));
        QVERIFY(final.contains(QString::fromUtf8(TextoFinal)));
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
