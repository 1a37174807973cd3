// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four screens as laid out: window sizes and captions, every control's place and size, the
// front-to-back and tab orders, fonts, colours, icons, what a screen reader is told, and whether
// the output list shows every reply whole.

#include "ApoyoVentanas.h"
#include "IntroAyuda.h"
#include "Reglas.h"
#include "Sacabo.h"
#include "Sitios.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {

QWidget &ventana(const QString &nombre) {
    if (nombre == QLatin1String("Menu"))
        return Ventanas::menu();
    if (nombre == QLatin1String("IntroAyuda"))
        return Ventanas::introAyuda();
    if (nombre == QLatin1String("Juego"))
        return Ventanas::juego();
    return Ventanas::sacabo();
}

// Rows of the layout tables, in twips; a control inside a frame is measured from the frame.
struct Fila {
    const char *ventana;
    const char *control;
    int izquierda, arriba, ancho, alto;
};
const Fila Filas[] = {
    {"Menu", "Salir", 7560, 5520, 855, 375},
    {"Menu", "Intro", 1320, 5520, 1095, 375},
    {"Menu", "Eljuego", 120, 5520, 1095, 375},
    {"Menu", "Label2", 600, 6000, 7455, 615},
    {"Menu", "Label1", 2760, 5520, 4575, 375},
    {"Menu", "Image1", -240, -120, 9285, 5430},
    {"Juego", "Ver", 7800, 5520, 1455, 375},
    {"Juego", "Inventario", 9480, 4200, 735, 735},
    {"Juego", "PalMenu", 9480, 5160, 735, 735},
    {"Juego", "Izquierda", 9600, 3240, 615, 615},
    {"Juego", "Derecha", 9600, 2400, 615, 615},
    {"Juego", "Patras", 9600, 1560, 615, 615},
    {"Juego", "PaLante", 9600, 720, 615, 615},
    {"Juego", "text1", 240, 5520, 7335, 285},
    {"Juego", "List1", 120, 6120, 10095, 645},
    {"Juego", "Label1", 2640, 1080, 3975, 1695},
    {"Juego", "Label3", 9480, 120, 855, 255},
    {"Juego", "Image1", 0, -120, 9255, 5430},
    {"IntroAyuda", "Volver", 120, 6000, 855, 255},
    {"IntroAyuda", "Frame2", 120, 1800, 6375, 4095},
    {"IntroAyuda", "Frame2/Label2", 120, 240, 3495, 3735},
    {"IntroAyuda", "Frame2/Image1", 3840, 360, 2250, 3585},
    {"IntroAyuda", "Frame1", 120, 120, 6375, 1575},
    {"IntroAyuda", "Frame1/Label1", 120, 240, 6135, 1215},
    {"Sacabo", "Command1", 960, 2520, 1575, 495},
    {"Sacabo", "Label2", 120, 480, 3615, 1095},
    {"Sacabo", "Label1", 120, 120, 3615, 255},
    {"Sacabo", "Image1", 3960, 240, 2250, 3585},
};

// Lines by their end points, in twips.
struct Raya {
    const char *ventana;
    const char *linea;
    int x1, y1, x2, y2;
};
const Raya Rayas[] = {
    {"Juego", "Line13", 120, 5400, 120, 6000},
    {"Juego", "Line10", 9360, 6000, 120, 6000},
    {"Juego", "Line12", 10320, 4080, 10320, 5640},
    {"Juego", "Line11", 10320, 5640, 10320, 6000},
    {"Juego", "Line9", 9240, 6000, 10320, 6000},
    {"Juego", "Line8", 9360, 5640, 9360, 6000},
    {"Juego", "Line7", 9360, 5040, 10320, 5040},
    {"Juego", "Line6", 9360, 5400, 9360, 5640},
    {"Juego", "Line4", 7680, 5400, 7680, 6000},
    {"Juego", "Line3", 9360, 4080, 10320, 4080},
    {"Juego", "Line2", 9360, 5400, 9360, 120},
    {"Juego", "Line1", 120, 5400, 9360, 5400},
    {"IntroAyuda", "Frame2/Line1", 3720, 240, 3720, 3960},
};

// "Frame2/Label2" is Label2 inside Frame2.
QWidget *buscar(QWidget &v, const char *ruta) {
    QWidget *w = &v;
    for (const QString &parte : QString::fromLatin1(ruta).split(u'/')) {
        QWidget *hijo = nullptr;
        for (QObject *o : w->children())
            if (o->isWidgetType() && o->objectName() == parte)
                hijo = static_cast<QWidget *>(o);
        if (!hijo)
            qFatal("falta %s en %s", ruta, qPrintable(v.objectName()));
        w = hijo;
    }
    return w;
}

QStringList nombresEnOrden(QWidget *padre, const QStringList &nombres) {
    // A parent's children are kept back to front: the last one is drawn on top.
    QStringList orden;
    const QObjectList hijos = padre->children();
    for (auto it = hijos.crbegin(); it != hijos.crend(); ++it)
        if (nombres.contains((*it)->objectName()))
            orden << (*it)->objectName();
    return orden;
}

} // namespace

class PruebaDisposicion : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { Disposicion::prepararAplicacion(); }
    void init() {
        Ventanas::olvidarTodas();
        Module1::ponerSalida([](Sonido) {});
    }
    void cleanupTestCase() { Ventanas::olvidarTodas(); }

    void ventanas_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QSize>("area");
        QTest::newRow("Menu") << "Menu"
                              << "Menú principal" << QSize(8625, 6810);
        QTest::newRow("Juego") << "Juego"
                               << "Las rozozerad der Jubo" << QSize(10395, 6915);
        QTest::newRow("IntroAyuda") << "IntroAyuda"
                                    << "Intro / Ayuda" << QSize(6660, 6330);
        QTest::newRow("Sacabo") << "Sacabo"
                                << "Final" << QSize(6420, 4065);
    }
    void ventanas() {
        QFETCH(QString, nombre);
        QFETCH(QString, titulo);
        QFETCH(QSize, area);
        QWidget &v = ventana(nombre);
        const QSize px = area / 15;
        QCOMPARE(v.windowTitle(), titulo);
        QCOMPARE(v.size(), px);
        QCOMPARE(v.minimumSize(), px);
        QCOMPARE(v.maximumSize(), px);
        QVERIFY(!v.windowIcon().isNull());
        QCOMPARE(v.windowIcon().pixmap(32, 32).toImage(),
                 QIcon(QStringLiteral(":/recursos/Icono.png")).pixmap(32, 32).toImage());
        // Centred on the screen.
        const QRect zona = v.screen()->availableGeometry();
        QVERIFY2(qAbs(v.geometry().center().x() - zona.center().x()) <= 1, qPrintable(nombre));
        QVERIFY2(qAbs(v.geometry().center().y() - zona.center().y()) <= 1, qPrintable(nombre));
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&v);
        QCOMPARE(a->role(), QAccessible::Window);
        QCOMPARE(a->text(QAccessible::Name), titulo);
    }

    void sitioYTamanoDeCadaControl() {
        for (const Fila &f : Filas) {
            const QWidget *w = buscar(ventana(QLatin1String(f.ventana)), f.control);
            const QRect esperado(f.izquierda / 15, f.arriba / 15, f.ancho / 15, f.alto / 15);
            QVERIFY2(w->geometry() == esperado, qPrintable(QStringLiteral("%1.%2: %3,%4 %5x%6")
                                                               .arg(f.ventana, f.control)
                                                               .arg(w->x())
                                                               .arg(w->y())
                                                               .arg(w->width())
                                                               .arg(w->height())));
        }
        for (const Raya &r : Rayas) {
            const QWidget *w = buscar(ventana(QLatin1String(r.ventana)), r.linea);
            // Both end points are drawn.
            const QRect esperado(qMin(r.x1, r.x2) / 15, qMin(r.y1, r.y2) / 15,
                                 qAbs(r.x1 - r.x2) / 15 + 1, qAbs(r.y1 - r.y2) / 15 + 1);
            QVERIFY2(w->geometry() == esperado, r.linea);
            QVERIFY2(w->width() == 1 || w->height() == 1, r.linea);
        }
    }

    void deDelanteAtras() {
        const QStringList menu{"Salir", "Intro", "Eljuego", "Label2", "Label1", "Image1"};
        QCOMPARE(nombresEnOrden(&Ventanas::menu(), menu), menu);
        const QStringList juego{"Ver",    "Inventario", "PalMenu", "Izquierda", "Derecha",
                                "Patras", "PaLante",    "text1",   "List1",     "Label1",
                                "Line13", "Line10",     "Label3",  "Line12",    "Line11",
                                "Line9",  "Line8",      "Line7",   "Line6",     "Line4",
                                "Line3",  "Line2",      "Line1",   "Image1"};
        QCOMPARE(nombresEnOrden(&Ventanas::juego(), juego), juego);
        IntroAyuda &intro = Ventanas::introAyuda();
        const QStringList introOrden{"Volver", "Frame2", "Frame1"};
        QCOMPARE(nombresEnOrden(&intro, introOrden), introOrden);
        const QStringList marco{"Label2", "Line1", "Image1"};
        QCOMPARE(nombresEnOrden(buscar(intro, "Frame2"), marco), marco);
        const QStringList final{"Command1", "Label2", "Label1", "Image1"};
        QCOMPARE(nombresEnOrden(&Ventanas::sacabo(), final), final);
    }

    void ordenDeTabulacionYFocoInicial_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QStringList>("orden");
        QTest::newRow("Menu") << "Menu" << QStringList{"Eljuego", "Intro", "Salir"};
        QTest::newRow("Juego") << "Juego" << QStringList{"List1",   "text1",      "PaLante",
                                                         "Patras",  "Derecha",    "Izquierda",
                                                         "PalMenu", "Inventario", "Ver"};
        QTest::newRow("IntroAyuda") << "IntroAyuda" << QStringList{"Volver"};
        QTest::newRow("Sacabo") << "Sacabo" << QStringList{"Command1"};
    }
    void ordenDeTabulacionYFocoInicial() {
        QFETCH(QString, nombre);
        QFETCH(QStringList, orden);
        QWidget &v = ventana(nombre);
        // Only the listed controls take the focus; labels, frames, lines and pictures never.
        QStringList enfocables;
        for (QWidget *w : v.findChildren<QWidget *>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
                (w->focusPolicy() & Qt::TabFocus))
                enfocables << w->objectName();
        enfocables.sort();
        QStringList ordenados = orden;
        ordenados.sort();
        QCOMPARE(enfocables, ordenados);
        // The chain from the first control visits the others in tab order.
        QStringList cadena;
        QWidget *w = buscar(v, qPrintable(orden.first()));
        do {
            if (orden.contains(w->objectName()) && !cadena.contains(w->objectName()))
                cadena << w->objectName();
            w = w->nextInFocusChain();
        } while (w != buscar(v, qPrintable(orden.first())));
        QCOMPARE(cadena, orden);
        // Shown for the first time, a screen focuses its lowest tab position.
        Ventanas::mostrar(v);
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QTRY_COMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                 : QString(),
                     orden.first());
        v.hide();
    }

    void fuentes() {
        struct Letra {
            const char *ventana, *control;
            double puntos;
            bool negrita, cursiva, subrayada;
        };
        const Letra letras[] = {
            {"Menu", "Eljuego", 8.25, false, false, false},
            {"Menu", "Label2", 24, true, true, true},
            {"Menu", "Label1", 13.5, false, false, true},
            {"Juego", "Ver", 8.25, false, false, false},
            {"Juego", "text1", 9.75, false, false, false},
            {"Juego", "List1", 8.25, true, false, false},
            {"Juego", "Label1", 24, true, false, false},
            {"Juego", "Label3", 8.25, false, false, true},
            {"IntroAyuda", "Frame2", 8.25, true, false, false},
            {"IntroAyuda", "Frame2/Label2", 8.25, false, false, false},
            {"IntroAyuda", "Frame1/Label1", 8.25, false, false, false},
            {"Sacabo", "Label1", 8.25, true, false, true},
            {"Sacabo", "Label2", 8.25, false, false, false},
            {"Sacabo", "Command1", 8.25, false, false, false},
        };
        for (const Letra &l : letras) {
            const QWidget *w = buscar(ventana(QLatin1String(l.ventana)), l.control);
            const QFontInfo real(w->font());
            const QString que = QStringLiteral("%1.%2").arg(l.ventana, l.control);
            // The font actually used, not just the one asked for: it must be installed.
            QVERIFY2(real.family() == QLatin1String("Liberation Sans"),
                     qPrintable(que + u' ' + real.family()));
            QVERIFY2(qFuzzyCompare(w->font().pointSizeF(), l.puntos), qPrintable(que));
            QVERIFY2(real.bold() == l.negrita, qPrintable(que));
            QVERIFY2(real.italic() == l.cursiva, qPrintable(que));
            QVERIFY2(real.underline() == l.subrayada, qPrintable(que));
        }
    }

    void colores() {
        Menu &menu = Ventanas::menu();
        // The standard scheme: menu text and button text black, 3-D highlight white.
        QVERIFY(menu.autoFillBackground());
        QCOMPARE(menu.palette().color(QPalette::Window), QColor(Qt::black));
        auto *titulo = control<QLabel>(menu, "Label2");
        QCOMPARE(titulo->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(titulo->palette().color(QPalette::Window), QColor(Qt::black));
        auto *autoria = control<QLabel>(menu, "Label1");
        QVERIFY(!autoria->text().isEmpty());
        QCOMPARE(autoria->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(autoria->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(autoria->autoFillBackground() && titulo->autoFillBackground());
        // The menu's ground must not leak into its buttons.
        QCOMPARE(control(menu, "Salir")->palette().color(QPalette::Button),
                 QApplication::palette().color(QPalette::Button));
        auto *pista = control<QLabel>(Ventanas::juego(), "Label1");
        QVERIFY(pista->autoFillBackground());
        QCOMPARE(pista->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::ToolTipBase));
        // What is drawn, not only what is set: a pixel of the menu's ground and of the hint.
        const QImage imagen = menu.grab().toImage();
        QCOMPARE(imagen.pixelColor(menu.width() - 2, menu.height() - 2), QColor(Qt::black));
    }

    void textosFijos() {
        Juego &juego = Ventanas::juego();
        const std::pair<const char *, const char *> botones[] = {
            {"Ver", "Ver"},
            {"Inventario", "Pa' Ver lo que tienes"},
            {"PalMenu", "Pal' Menú"},
            {"Izquierda", "Pa' Ca <-----"},
            {"Derecha", "Pa' ya ------>"},
            {"Patras", "Pa' Tras"},
            {"PaLante", "Pa' Lante"},
        };
        for (const auto &[nombre, texto] : botones)
            QCOMPARE(control<QPushButton>(juego, nombre)->text(), QString::fromUtf8(texto));
        QCOMPARE(control<QLabel>(juego, "Label3")->text(), QStringLiteral("Direcciones"));
        QCOMPARE(control<QLabel>(juego, "Label1")->text(),
                 QStringLiteral("¡Capullo, la bomba está en el coche!"));
        IntroAyuda &intro = Ventanas::introAyuda();
        QCOMPARE(control<QGroupBox>(intro, "Frame2")->title(), QStringLiteral(" Introducción "));
        QCOMPARE(control<QGroupBox>(intro, "Frame1")->title(), QStringLiteral(" Ayuda "));
        const QString historia = control<QLabel>(intro, "Label2")->text();
        QVERIFY(
            historia.startsWith(QStringLiteral("Dorli Vánez, alias \"Er Jubo\". Un personaje")));
        QVERIFY(historia.contains(QStringLiteral("en fin,  ¿qué decir de Dorli?.")));
        QVERIFY(historia.endsWith(QStringLiteral("desactiba esa bomba!!")));
        const QString ayuda = control<QLabel>(intro, "Label1")->text();
        QVERIFY(ayuda.startsWith(QStringLiteral("Aventura conversacional. Usted tendrá en")));
        QVERIFY(ayuda.contains(QStringLiteral("\"Usar, Mirar, Coger...\", etc.")));
        QVERIFY(ayuda.endsWith(QStringLiteral("podrá usarlo con lo usted quiera.")));
        // The long texts wrap within their labels, down to their last word.
        for (QLabel *l : {control<QLabel>(intro, "Label1"), control<QLabel>(intro, "Label2"),
                          control<QLabel>(Ventanas::sacabo(), "Label2")}) {
            QVERIFY(l->wordWrap());
            QVERIFY2(l->heightForWidth(l->width()) <= l->height(),
                     qPrintable(QStringLiteral("%1: %2 > %3")
                                    .arg(l->text().left(20))
                                    .arg(l->heightForWidth(l->width()))
                                    .arg(l->height())));
        }
        Sacabo &final = Ventanas::sacabo();
        QCOMPARE(control<QPushButton>(final, "Command1")->text(), QStringLiteral("Final"));
        QCOMPARE(control<QPushButton>(Ventanas::menu(), "Eljuego")->text(),
                 QStringLiteral("Juego"));
        QCOMPARE(control<QLabel>(Ventanas::menu(), "Label2")->text(),
                 QStringLiteral("LAS ROZOZERAD DER JUBO"));
        // The same portrait on both screens that have it.
        QCOMPARE(control<QLabel>(intro, "Image1")->pixmap().toImage(),
                 control<QLabel>(final, "Image1")->pixmap().toImage());
    }

    void lectorDePantalla() {
        struct Nombre {
            const char *ventana, *control;
            QAccessible::Role papel;
            const char *nombre;
        };
        const Nombre nombres[] = {
            {"Menu", "Eljuego", QAccessible::Button, "Juego"},
            {"Menu", "Intro", QAccessible::Button, "Intro / Ayuda"},
            {"Menu", "Salir", QAccessible::Button, "Salir"},
            {"Menu", "Label2", QAccessible::StaticText, "LAS ROZOZERAD DER JUBO"},
            {"Menu", "Image1", QAccessible::Graphic, nullptr},
            {"Juego", "PaLante", QAccessible::Button, "Pa' Lante"},
            {"Juego", "Izquierda", QAccessible::Button, "Pa' Ca, a la izquierda"},
            {"Juego", "Derecha", QAccessible::Button, "Pa' ya, a la derecha"},
            {"Juego", "Inventario", QAccessible::Button, "Pa' Ver lo que tienes"},
            {"Juego", "text1", QAccessible::EditableText, "Orden"},
            {"Juego", "List1", QAccessible::List, "Respuestas"},
            {"Juego", "Image1", QAccessible::Graphic, "Entrada"},
            {"Juego", "Label3", QAccessible::StaticText, "Direcciones"},
            {"Juego", "Line1", QAccessible::Separator, nullptr},
            {"IntroAyuda", "Frame2", QAccessible::Grouping, "Introducción"},
            {"IntroAyuda", "Frame1", QAccessible::Grouping, "Ayuda"},
            {"IntroAyuda", "Volver", QAccessible::Button, "Volver"},
            {"IntroAyuda", "Frame2/Image1", QAccessible::Graphic, nullptr},
            {"Sacabo", "Command1", QAccessible::Button, "Final"},
            {"Sacabo", "Label1", QAccessible::StaticText,
             "¡¡Enhorabuena, te has pasado el juego!!"},
        };
        for (const Nombre &n : nombres) {
            QWidget *w = buscar(ventana(QLatin1String(n.ventana)), n.control);
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            const QString que = QStringLiteral("%1.%2").arg(n.ventana, n.control);
            QVERIFY2(a, qPrintable(que));
            QVERIFY2(a->role() == n.papel, qPrintable(que));
            const QString nombre = a->text(QAccessible::Name);
            if (n.nombre)
                QVERIFY2(nombre == QString::fromUtf8(n.nombre), qPrintable(que + u' ' + nombre));
            else
                QVERIFY2(!nombre.isEmpty(), qPrintable(que));
        }
    }

    // Three lines in view; a fourth brings the vertical scroll bar.
    void tresLineasALaVista() {
        Juego &juego = Ventanas::juego();
        Ventanas::mostrar(juego);
        QVERIFY(QTest::qWaitForWindowExposed(&juego));
        auto *lista = control<QListWidget>(juego, "List1");
        lista->addItems({"uno", "dos", "tres"});
        QCoreApplication::processEvents();
        for (int i = 0; i < 3; ++i)
            QVERIFY(lista->viewport()->rect().contains(lista->visualItemRect(lista->item(i))));
        QVERIFY(!lista->verticalScrollBar()->isVisible());
        lista->addItem(QStringLiteral("cuatro"));
        QCoreApplication::processEvents();
        QVERIFY(lista->verticalScrollBar()->isVisible());
        lista->addItem(QString(300, u'W'));
        QCoreApplication::processEvents();
        QVERIFY(lista->horizontalScrollBar()->isVisible());
    }

    // Every reply the game can give fits the output list's width: nothing is cut off unseen,
    // and no reply needs the horizontal scroll bar.
    void cadaRespuestaCabeEnLaLista() {
        Juego &juego = Ventanas::juego();
        Ventanas::mostrar(juego);
        QVERIFY(QTest::qWaitForWindowExposed(&juego));
        auto *lista = control<QListWidget>(juego, "List1");
        QList<QStringList> respuestas;
        auto anadir = [&](auto &&lineas) {
            QStringList r;
            for (const char *l : lineas)
                r << QString::fromUtf8(l);
            if (!r.isEmpty())
                respuestas << r;
        };
        for (qint16 lugar = 0; lugar < qint16(Sitios.size()); ++lugar) {
            anadir(Sitios[lugar].vista);
            for (const Regla &regla : reglasDe(lugar))
                anadir(regla.respuesta);
        }
        for (const Regla &regla : ReglasGenerales)
            anadir(regla.respuesta);
        for (const char *n : Negativas)
            anadir(std::initializer_list<const char *>{n});
        for (const auto &v : Vaciles)
            anadir(v);
        QVERIFY2(respuestas.size() > 60, qPrintable(QString::number(respuestas.size())));
        int masAncha = 0;
        for (const QStringList &r : std::as_const(respuestas)) {
            lista->clear();
            lista->addItems(r);
            QCoreApplication::processEvents();
            for (const QString &l : r)
                masAncha = qMax(masAncha, lista->fontMetrics().horizontalAdvance(l));
            QVERIFY2(!lista->horizontalScrollBar()->isVisible(), qPrintable(r.join(u'|')));
        }
        QVERIFY(masAncha > lista->width() / 2);
    }
};

QTEST_MAIN(PruebaDisposicion)
#include "tst_disposicion.moc"
