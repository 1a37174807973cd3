// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Disposicion.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <qdrawutil.h>

static void iniciarRecursos() {
    Q_INIT_RESOURCE(recursos);
}

namespace Disposicion {

void colocar(QWidget *w, int izquierda, int arriba, int ancho, int alto) {
    w->setGeometry(px(izquierda), px(arriba), px(ancho), px(alto));
}

void prepararVentana(QWidget *ventana, const QString &titulo, int ancho, int alto) {
    ventana->setWindowTitle(titulo);
    ventana->setFont(fuente());
    ventana->setFixedSize(px(ancho), px(alto));
    ventana->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    if (const QScreen *pantalla = QGuiApplication::primaryScreen()) {
        // Centred; on a screen too small for it (or scaled up), its top-left corner and title
        // bar stay in sight.
        const QRect zona = pantalla->availableGeometry();
        const QPoint centrada = zona.center() - QPoint(px(ancho) / 2, px(alto) / 2);
        ventana->move(std::max(centrada.x(), zona.left()), std::max(centrada.y(), zona.top()));
    }
}

QFont fuente(double puntos, bool negrita, bool cursiva, bool subrayada) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    f.setItalic(cursiva);
    f.setUnderline(subrayada);
    return f;
}

QColor colorSistema(int indice) {
    switch (indice) {
    case 7: return QApplication::palette("QMenu").color(QPalette::Active, QPalette::WindowText);
    case 18:
        return QApplication::palette("QPushButton").color(QPalette::Active, QPalette::ButtonText);
    case 20: return QApplication::palette().color(QPalette::Active, QPalette::Light);
    case 24: return QApplication::palette().color(QPalette::Active, QPalette::ToolTipBase);
    }
    return QApplication::palette().color(QPalette::Active, QPalette::Window);
}

void apilar(std::initializer_list<QWidget *> delanteAtras) {
    // raise() puts a widget on top of its siblings, so raising from the back leaves the first
    // one in front.
    for (auto it = std::rbegin(delanteAtras); it != std::rend(delanteAtras); ++it)
        (*it)->raise();
}

void tabular(std::initializer_list<QWidget *> orden) {
    QWidget *anterior = nullptr;
    for (QWidget *w : orden) {
        if (anterior)
            QWidget::setTabOrder(anterior, w);
        anterior = w;
    }
}

QPushButton *boton(QWidget *padre, const char *nombre, const QString &texto, int izquierda,
                   int arriba, int ancho, int alto) {
    auto *b = new BotonVentana(texto, padre);
    b->setObjectName(QLatin1String(nombre));
    b->setAccessibleName(texto);
    b->setAutoDefault(false);
    b->setDefault(false);
    colocar(b, izquierda, arriba, ancho, alto);
    return b;
}

QLabel *etiqueta(QWidget *padre, const char *nombre, const QString &texto, int izquierda,
                 int arriba, int ancho, int alto) {
    auto *l = new QLabel(texto, padre);
    l->setObjectName(QLatin1String(nombre));
    l->setAccessibleName(texto);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFocusPolicy(Qt::NoFocus);
    colocar(l, izquierda, arriba, ancho, alto);
    return l;
}

QLabel *dibujo(QWidget *padre, const char *nombre, const QString &recurso, int izquierda,
               int arriba, const QString &nombreAccesible) {
    auto *l = new QLabel(padre);
    l->setObjectName(QLatin1String(nombre));
    l->setAccessibleName(nombreAccesible);
    const QPixmap imagen(recurso);
    l->setPixmap(imagen);
    l->setGeometry(px(izquierda), px(arriba), imagen.width(), imagen.height());
    return l;
}

QWidget *linea(QWidget *padre, const char *nombre, int x1, int y1, int x2, int y2) {
    auto *l = new Linea(padre);
    l->setObjectName(QLatin1String(nombre));
    l->setAccessibleName(QStringLiteral("línea"));
    // Both end points are drawn, so a line is one pixel longer than the distance between them.
    const int izquierda = std::min(px(x1), px(x2));
    const int arriba = std::min(px(y1), px(y2));
    l->setGeometry(izquierda, arriba, std::abs(px(x1) - px(x2)) + 1, std::abs(px(y1) - px(y2)) + 1);
    return l;
}

namespace {

// A window or frame whose lines a screen reader never meets: they only draw boxes and rules, and
// a review of the screen would read each one as a separator («línea línea»).
class SinLineas : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(hijos().size()); }
    QAccessibleInterface *child(int indice) const override {
        const QList<QAccessibleInterface *> h = hijos();
        return indice >= 0 && indice < h.size() ? h.at(indice) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *hijo) const override {
        return int(hijos().indexOf(const_cast<QAccessibleInterface *>(hijo)));
    }

  private:
    QList<QAccessibleInterface *> hijos() const {
        QList<QAccessibleInterface *> h;
        for (int i = 0, n = QAccessibleWidget::childCount(); i < n; ++i) {
            QAccessibleInterface *hijo = QAccessibleWidget::child(i);
            if (hijo && !qobject_cast<Linea *>(hijo->object()))
                h << hijo;
        }
        return h;
    }
};

} // namespace

// The screens are windows (frames) to a screen reader, not fillers, and they and the intro's
// frames leave out their lines, which are separators to whoever asks for one; the game's spoken
// notices are a notification inside a status bar (see Anuncio).
static QAccessibleInterface *accesibles(const QString &clase, QObject *objeto) {
    if (!objeto || !objeto->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(objeto);
    if (clase == QLatin1String("Linea"))
        return new QAccessibleWidget(w, QAccessible::Separator);
    if (clase == QLatin1String("Marco"))
        return new SinLineas(w, QAccessible::Grouping);
    if (clase == QLatin1String("Anuncio"))
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    if (clase == QLatin1String("AvisoHablado"))
        return new QAccessibleWidget(w, QAccessible::Notification);
    for (const char *ventana : {"Menu", "IntroAyuda", "Juego", "Sacabo"})
        if (clase == QLatin1String(ventana) && w->isWindow())
            return new SinLineas(w, QAccessible::Window);
    return nullptr;
}

bool cargarQtEnEspanol(const QString &carpeta) {
    // One translator for the whole run, however often the screens are set up (tests do it again).
    static QTranslator *qt = nullptr;
    if (qt) {
        QCoreApplication::removeTranslator(qt);
        delete qt;
        qt = nullptr;
    }
    auto nuevo = std::make_unique<QTranslator>();
    if (!nuevo->load(QStringLiteral("qtbase_es"), carpeta))
        return false;
    qt = nuevo.release();
    return QCoreApplication::installTranslator(qt);
}

void prepararAplicacion() {
    iniciarRecursos();
    // The game speaks only Spanish, so Qt's own words do too, whatever the system's language.
    cargarQtEnEspanol(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (QStyle *estilo = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(estilo);
    QApplication::setFont(fuente());
    // One icon for the whole program, which every window and message box shows. With their sizes
    // given, neither picture is decoded until a size of it is asked for.
    QIcon icono;
    icono.addFile(QStringLiteral(":/recursos/Icono.png"), QSize(32, 32));
    icono.addFile(QStringLiteral(":/recursos/Icono256.png"), QSize(256, 256));
    QApplication::setWindowIcon(icono);
    // Every way out of the program goes through its own handler; Qt must not quit by itself.
    QApplication::setQuitOnLastWindowClosed(false);
    static bool instalada = false;
    if (!instalada) {
        QAccessible::installFactory(accesibles);
        instalada = true;
    }
}

} // namespace Disposicion

void Linea::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::WindowText));
}

void BotonVentana::keyPressEvent(QKeyEvent *evento) {
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) &&
        (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        evento->accept();
        if (!evento->isAutoRepeat()) // holding Enter down clicks once
            click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

void Marco::paintEvent(QPaintEvent *) {
    // An etched border drawn here: the style's group box frame would start below the caption.
    QPainter p(this);
    const QFontMetrics medidas(font());
    qDrawShadeRect(&p, rect().adjusted(0, medidas.height() / 2, 0, 0), palette(), true, 1, 0);
    // The caption, on the window's ground, covers the border where it crosses it.
    const QRect caption(medidas.averageCharWidth(), 0, medidas.horizontalAdvance(title()),
                        medidas.height());
    p.fillRect(caption, palette().brush(QPalette::Window));
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

void BotonVentana::paintEvent(QPaintEvent *) {
    QStylePainter p(this);
    QStyleOptionButton opcion;
    initStyleOption(&opcion);
    opcion.text.clear();
    p.drawControl(QStyle::CE_PushButton, opcion);
    const QPalette::ColorGroup grupo = isEnabled() ? QPalette::Active : QPalette::Disabled;
    p.setPen(palette().color(grupo, QPalette::ButtonText));
    p.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
}
