// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The four screens as a player sees them: the windows and where they open, where each control
// lies, text whole and readable, the tab chain, what a screen reader is told, the output list.

#include "ApoyoVentanas.h"
#include "Reglas.h"
#include "Sitios.h"

#include <QAccessible>
#include <QDebug>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>
#include <algorithm>
#include <cmath>

namespace {

// A window's own named controls, at any depth, shown or not (hidden ones may be shown).
QList<QWidget *> controlesDe(QWidget &v) {
    QList<QWidget *> todos;
    for (QWidget *w : v.findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            !w->isWindow())
            todos << w;
    return todos;
}

// Every window's controls that are seen: those of no size only carry what a screen reader is told.
QList<QWidget *> controles() {
    QList<QWidget *> todos;
    for (const char *n : NombresVentanas)
        for (QWidget *w : controlesDe(ventana(QLatin1String(n))))
            if (!w->size().isEmpty())
                todos << w;
    return todos;
}

QString nombre(const QWidget *w) {
    return w->window()->objectName() + u'.' + w->objectName();
}

// Pictures and lines lie under the controls drawn over them; they may also run past the edges.
bool esFondo(const QWidget *w) {
    const auto *l = qobject_cast<const QLabel *>(w);
    return (l && !l->pixmap().isNull()) || w->inherits("Linea");
}

// Relative luminance and contrast ratio, as the Web Content Accessibility Guidelines define them.
double luminancia(QColor c) {
    auto canal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}
double contraste(QColor a, QColor b) {
    const double x = luminancia(a), y = luminancia(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The colour a widget's ground is painted in: its own, or that of the first parent that fills it.
QColor fondoDe(const QWidget *w) {
    for (; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(QPalette::Window);
    return QApplication::palette().color(QPalette::Window);
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

    // Each window keeps its size, caption and icon, and is a window to a screen reader. It opens
    // centred; on a screen too small for it (CTest runs this on two), against the edge it does not
    // fit, so that its title bar stays in sight.
    void ventanas_data() {
        QTest::addColumn<QString>("titulo"); // the row's name is the window's
        QTest::newRow("Menu") << "Menú principal";
        QTest::newRow("Juego") << "Las rozozerad der Jubo";
        QTest::newRow("IntroAyuda") << "Intro / Ayuda";
        QTest::newRow("Sacabo") << "Final";
    }
    void ventanas() {
        QFETCH(QString, titulo);
        const QString nombre = QString::fromUtf8(QTest::currentDataTag());
        QWidget &v = ventana(nombre);
        QCOMPARE(v.windowTitle(), titulo);
        QVERIFY(!v.size().isEmpty());
        QCOMPARE(v.minimumSize(), v.size());
        QCOMPARE(v.maximumSize(), v.size());
        QCOMPARE(v.windowIcon().pixmap({32, 32}, 1).toImage(),
                 QIcon(QStringLiteral(":/recursos/Icono.png")).pixmap({32, 32}, 1).toImage());
        const QRect zona = v.screen()->availableGeometry();
        QCOMPARE(zona.width() < Ventanas::juego().width(),
                 qEnvironmentVariableIsSet("JUBO_PANTALLA_PEQUENA"));
        Ventanas::mostrar(v);
        const QRect sitio = v.frameGeometry();
        v.hide();
        // Give or take the frame, which the platform adds round the centred window.
        auto colocada = [](int desde, int largo, int zonaDesde, int zonaLargo) {
            return largo > zonaLargo ? desde == zonaDesde
                                     : qAbs(2 * (desde - zonaDesde) + largo - zonaLargo) <= 4;
        };
        QString donde;
        QDebug(&donde) << sitio << "on" << zona;
        QVERIFY2(colocada(sitio.x(), sitio.width(), zona.x(), zona.width()), qPrintable(donde));
        QVERIFY2(colocada(sitio.y(), sitio.height(), zona.y(), zona.height()), qPrintable(donde));
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&v);
        QCOMPARE(a->role(), QAccessible::Window);
        QCOMPARE(a->text(QAccessible::Name), titulo);
    }

    // Every control lies within its frame and its window, and lines are one pixel thin; only
    // pictures may run past the edge, and the window cuts them. No control covers another, shown
    // or hidden, except a picture or a line, and those lie behind it.
    void dondeEstaCadaControl() {
        int vistos = 0;
        for (QWidget *w : controles()) {
            const QWidgetList hermanos =
                w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            for (QWidget *b : hermanos) {
                if (b == w || b->objectName().isEmpty() || !w->geometry().intersects(b->geometry()))
                    continue;
                const QString par = nombre(w) + u'/' + b->objectName();
                QVERIFY2(esFondo(w) || esFondo(b), qPrintable(par + QStringLiteral(" se tapan")));
                // Children are drawn in order: a later one is in front.
                if (esFondo(b) && !esFondo(w))
                    QVERIFY2(hermanos.indexOf(w) > hermanos.indexOf(b),
                             qPrintable(par + QStringLiteral(" queda detrás")));
            }
            if (esFondo(w) && !w->inherits("Linea"))
                continue;
            ++vistos;
            const QRect enLaVentana(w->mapTo(w->window(), QPoint()), w->size());
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(nombre(w)));
            QVERIFY2(w->window()->rect().contains(enLaVentana), qPrintable(nombre(w)));
            if (w->inherits("Linea"))
                QVERIFY2(w->width() == 1 || w->height() == 1, qPrintable(nombre(w)));
        }
        QVERIFY(vistos > 30);
    }

    // Each caption and text shows whole within its control, in the font that was asked for, and
    // stands out from its ground as the guidelines for readable text ask (4.5 to 1). The menu's
    // black ground stays behind its text and does not leak into its buttons.
    void textosLegibles() {
        int textos = 0;
        for (QWidget *w : controles()) {
            const QString que = nombre(w);
            if (auto *b = qobject_cast<QPushButton *>(w)) {
                // The caption wraps between words inside the button's edge.
                const QRect sitio = b->rect().adjusted(2, 2, -2, -2);
                const QRect texto = b->fontMetrics().boundingRect(
                    sitio, Qt::AlignCenter | Qt::TextWordWrap, b->text());
                QVERIFY2(sitio.contains(texto), qPrintable(que));
            } else if (auto *l = qobject_cast<QLabel *>(w); l && l->pixmap().isNull()) {
                QVERIFY2(l->wordWrap() ? l->heightForWidth(l->width()) <= l->height()
                                       : l->sizeHint().width() <= l->width(),
                         qPrintable(que));
                const double c = contraste(l->palette().color(QPalette::WindowText), fondoDe(l));
                QVERIFY2(c >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(que).arg(c)));
            } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
                QVERIFY2(g->fontMetrics().horizontalAdvance(g->title()) < g->width(),
                         qPrintable(que));
            } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
                QVERIFY2(e->fontMetrics().height() <= e->height(), qPrintable(que));
            } else {
                continue;
            }
            ++textos;
            // The font actually used, not just the one asked for: it must be installed.
            const QFontInfo letra(w->font());
            QVERIFY2(letra.family() == QLatin1String("Liberation Sans"),
                     qPrintable(que + u' ' + letra.family()));
            QVERIFY2(letra.pointSizeF() > 0 &&
                         qFuzzyCompare(letra.pointSizeF(), w->font().pointSizeF()),
                     qPrintable(que));
        }
        QVERIFY(textos > 20);
        Menu &menu = Ventanas::menu();
        QCOMPARE(control(menu, "Salir")->palette().color(QPalette::Button),
                 QApplication::palette().color(QPalette::Button));
        // What is drawn, not only what is set: a pixel of the menu's ground.
        const QImage imagen = menu.grab().toImage();
        QCOMPARE(imagen.pixelColor(menu.width() - 2, menu.height() - 2), QColor(Qt::black));
    }

    void ordenDeTabulacionYFocoInicial_data() {
        QTest::addColumn<QStringList>("orden"); // the row's name is the window's
        QTest::newRow("Menu") << QStringList{"Eljuego", "Intro", "Salir"};
        QTest::newRow("Juego") << QStringList{"List1",   "text1",      "PaLante",
                                              "Patras",  "Derecha",    "Izquierda",
                                              "PalMenu", "Inventario", "Ver"};
        QTest::newRow("IntroAyuda") << QStringList{"Volver"};
        QTest::newRow("Sacabo") << QStringList{"Command1"};
    }
    void ordenDeTabulacionYFocoInicial() {
        QFETCH(QStringList, orden);
        QWidget &v = ventana(QString::fromUtf8(QTest::currentDataTag()));
        // Only the listed controls take the focus; labels, frames, lines and pictures never.
        QStringList enfocables;
        for (QWidget *w : controlesDe(v))
            if (w->focusPolicy() & Qt::TabFocus)
                enfocables << w->objectName();
        QVERIFY2(
            std::is_permutation(enfocables.begin(), enfocables.end(), orden.begin(), orden.end()),
            qPrintable(enfocables.join(u' ')));
        // The chain from the first control visits the others in tab order.
        QStringList cadena;
        QWidget *w = control(v, qPrintable(orden.first()));
        do {
            if (orden.contains(w->objectName()) && !cadena.contains(w->objectName()))
                cadena << w->objectName();
            w = w->nextInFocusChain();
        } while (w != control(v, qPrintable(orden.first())));
        QCOMPARE(cadena, orden);
        // Shown for the first time, a screen focuses its lowest tab position.
        Ventanas::mostrar(v);
        QVERIFY(QTest::qWaitForWindowActive(&v));
        QTRY_COMPARE(QApplication::focusWidget(), control(v, qPrintable(orden.first())));
        v.hide();
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
            {"IntroAyuda", "Image1", QAccessible::Graphic, nullptr},
            {"Sacabo", "Command1", QAccessible::Button, "Final"},
            {"Sacabo", "Label1", QAccessible::StaticText,
             "¡¡Enhorabuena, te has pasado el juego!!"},
        };
        for (const Nombre &n : nombres) {
            QWidget *w = control(ventana(QLatin1String(n.ventana)), n.control);
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

    // Every reply the game can give fits the output list's width: nothing is cut off unseen,
    // and no reply needs the horizontal scroll bar. Three lines are in view; a fourth brings the
    // vertical scroll bar.
    void laListaDeRespuestas() {
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

        lista->clear();
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
};

QTEST_MAIN(PruebaDisposicion)
#include "tst_disposicion.moc"
