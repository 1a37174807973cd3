// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing by ear and by keyboard, headless, where the desktop test does not reach: held Enter,
// the focus after a move, what is only seen, the frames' captions, and Qt's texts in Spanish.

#include "ApoyoVentanas.h"
#include "Sitios.h"
#include "Teclas.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <string_view>

namespace {

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
    }
    void cleanupTestCase() { Ventanas::olvidarTodas(); }

    // Enter held down on a focused button clicks it once.
    void enterMantenidoPulsaUnaVez() {
        Juego &juego = entrar();
        QVERIFY(QTest::qWaitForWindowActive(&juego));
        clic(juego, "PaLante");
        QWidget *izquierda = control(juego, "Izquierda");
        izquierda->setFocus();
        QTest::keyPress(izquierda, Qt::Key_Enter, Qt::KeypadModifier);
        QKeyEvent repetida(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier,
                           QStringLiteral("\r"), true);
        QApplication::sendEvent(izquierda, &repetida);
        QTest::keyRelease(izquierda, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(juego.partida().estado().Lugar, Comedor);
    }

    // After a move the focus stays on the button pressed while it is still there, else goes to
    // the order box; never to another button, which a second Space would press.
    void elFocoTrasMoverse() {
        Juego &juego = entrar();
        QVERIFY(QTest::qWaitForWindowActive(&juego));
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

    // Letters and digits typed on a button of the game go to the order box, and the focus with
    // them; Space still presses the button, and other keys stay with it.
    void letrasDeUnBotonALaOrden() {
        Juego &juego = entrar();
        QVERIFY(QTest::qWaitForWindowActive(&juego));
        auto *caja = control<CajaOrden>(juego, "text1");
        const struct {
            const char *boton;
            Qt::Key tecla;
            const char *texto;
            bool aLaOrden;
        } filas[] = {
            {"Ver", Qt::Key_M, "m", true},
            {"PaLante", Qt::Key_7, "7", true},
            {"Inventario", Qt::Key_unknown, "ñ", true},
            {"PalMenu", Qt::Key_unknown, "É", true},
            {"Patras", Qt::Key_Question, "?", false},
            {"Ver", Qt::Key_Space, " ", false},
        };
        for (const auto &f : filas) {
            caja->clear();
            QWidget *boton = control(juego, f.boton);
            boton->setFocus();
            QTest::sendKeyEvent(QTest::Click, boton, f.tecla, QString::fromUtf8(f.texto),
                                Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget(), f.aLaOrden ? caja : boton);
            QCOMPARE(caja->text(), f.aLaOrden ? QString::fromUtf8(f.texto) : QString());
        }
        // The Space pressed Ver, at the entrance where the game began.
        QCOMPARE(juego.partida().estado().Lugar, Entrada);
        QVERIFY(lineas(juego).value(0).startsWith(QLatin1String("Es la  entrada")));
        // Typing on, key by key wherever the focus is, the order is written whole.
        for (char c : std::string_view("mirar"))
            QTest::keyClick(QApplication::focusWidget(), c);
        QCOMPARE(caja->text(), QStringLiteral("mirar"));
    }

    // What a listener hears for what is only seen: the pictures, and the keys of the game.
    void loQueSoloSeVe() {
        Juego &juego = entrar();
        QVERIFY(QTest::qWaitForWindowActive(&juego));
        // Each place's picture is described as itself, and the description follows the moves.
        QStringList vistas{descripcion(control(juego, "Image1"))};
        for (const char *b : {"PaLante", "Izquierda", "Izquierda", "Izquierda"}) {
            clic(juego, b);
            vistas << descripcion(control(juego, "Image1"));
        }
        for (const char *b : {"Derecha", "Derecha", "Derecha", "Patras", "Patras"})
            clic(juego, b);
        QCOMPARE(juego.partida().estado().Lugar, Cercanias);
        vistas << descripcion(control(juego, "Image1"));
        vistas.removeDuplicates();
        QCOMPARE(vistas.size(), 6);
        QVERIFY(!vistas.contains(QString()));

        for (QWidget *retrato :
             {control(Ventanas::menu(), "Image1"), control(Ventanas::introAyuda(), "Image1"),
              control(Ventanas::sacabo(), "Image1")})
            QVERIFY(!descripcion(retrato).isEmpty());

        // Every key of the game is named on its button and in the help.
        const QString ayuda = descripcion(control(Ventanas::introAyuda(), "Label1"));
        for (const char *b :
             {"PaLante", "Patras", "Derecha", "Izquierda", "Ver", "Inventario", "PalMenu"}) {
            const QString tecla = descripcion(control(juego, b));
            QVERIFY2(tecla.startsWith(QLatin1String("Alt + ")) && ayuda.contains(tecla + u':'), b);
        }
        // So is the key that says again the last answer and the place, in the help and in the
        // order box's description.
        const QString repetir = QString::fromUtf8(DichoRepetir);
        QVERIFY(ayuda.contains(repetir + u':'));
        QVERIFY(descripcion(control(juego, "text1")).contains(repetir));
    }

    // Lines only draw boxes and rules: a screen reader's view of the windows holds none of them,
    // and it holds every other control of each window and frame, each where its parent says.
    void sinLineasALaVista() {
        entrar();
        int lineas = 0;
        for (const char *nombre : NombresVentanas) {
            QWidget &v = ventana(QLatin1String(nombre));
            QSet<QObject *> vistos;
            std::function<void(QAccessibleInterface *)> recorrer = [&](QAccessibleInterface *a) {
                for (int i = 0; i < a->childCount(); ++i) {
                    QAccessibleInterface *hijo = a->child(i);
                    QVERIFY2(hijo && a->indexOfChild(hijo) == i && hijo->parent() == a, nombre);
                    QVERIFY2(hijo->role() != QAccessible::Separator, nombre);
                    vistos.insert(hijo->object());
                    recorrer(hijo);
                }
            };
            recorrer(QAccessible::queryAccessibleInterface(&v));
            QList<QWidget *> padres{&v};
            for (Marco *marco : v.findChildren<Marco *>())
                padres << marco;
            for (QWidget *padre : padres)
                for (QWidget *w : padre->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                    const bool linea = w->inherits("Linea");
                    lineas += linea;
                    QVERIFY2(vistos.contains(w) != linea, qPrintable(w->objectName()));
                }
        }
        QCOMPARE(lineas, 13);
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
