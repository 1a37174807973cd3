// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Juego.h"

#include "Anuncio.h"
#include "CajaOrden.h"
#include "Dibujos.h"
#include "Disposicion.h"
#include "Menu.h"
#include "Module1.h"
#include "Sacabo.h"
#include "Sitios.h"
#include "Teclas.h"
#include "TecleoAOrden.h"
#include "Textos.h"
#include "Ventanas.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

using namespace Disposicion;

Juego::Juego() : carpetasDibujos_(carpetasDibujos()), partida_(*this, Ventanas::sorteo()) {
    setObjectName(QStringLiteral("Juego"));
    prepararVentana(this, QStringLiteral("Las rozozerad der Jubo"), 10395, 6915);

    Ver = boton(this, "Ver", QStringLiteral("Ver"), 7800, 5520, 1455, 375);
    Inventario =
        boton(this, "Inventario", QStringLiteral("Pa' Ver lo que tienes"), 9480, 4200, 735, 735);
    PalMenu = boton(this, "PalMenu", QStringLiteral("Pal' Menú"), 9480, 5160, 735, 735);
    Izquierda = boton(this, "Izquierda", QStringLiteral("Pa' Ca <-----"), 9600, 3240, 615, 615);
    Derecha = boton(this, "Derecha", QStringLiteral("Pa' ya ------>"), 9600, 2400, 615, 615);
    Patras = boton(this, "Patras", QStringLiteral("Pa' Tras"), 9600, 1560, 615, 615);
    PaLante = boton(this, "PaLante", QStringLiteral("Pa' Lante"), 9600, 720, 615, 615);
    // The arrows mean nothing read aloud: the screen reader hears where a button leads.
    PaLante->setAccessibleName(QString::fromUtf8(NombrePaLante));
    Patras->setAccessibleName(QString::fromUtf8(NombrePatras));
    Derecha->setAccessibleName(QString::fromUtf8(NombreDerecha));
    Izquierda->setAccessibleName(QString::fromUtf8(NombreIzquierda));

    text1 = new CajaOrden(this);
    text1->setObjectName(QStringLiteral("text1"));
    text1->setAccessibleName(QStringLiteral("Orden"));
    text1->setFont(fuente(9.75));
    colocar(text1, 240, 5520, 7335, 285);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(QStringLiteral("Respuestas"));
    List1->setFont(fuente(8.25, true));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSortingEnabled(false);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    List1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    List1->setUniformItemSizes(true);
    colocar(List1, 120, 6120, 10095, 645);

    Label1 = etiqueta(this, "Label1", QString::fromUtf8(TextoPista), 2640, 1080, 3975, 1695);
    Label1->setFont(fuente(24, true));
    QPalette pista = Label1->palette();
    pista.setColor(QPalette::Window, colorSistema(24));
    Label1->setPalette(pista);
    Label1->setAutoFillBackground(true);

    Label3 = etiqueta(this, "Label3", QStringLiteral("Direcciones"), 9480, 120, 855, 255);
    Label3->setFont(fuente(8.25, false, false, true));

    QWidget *Line13 = linea(this, "Line13", 120, 5400, 120, 6000);
    QWidget *Line10 = linea(this, "Line10", 9360, 6000, 120, 6000);
    QWidget *Line12 = linea(this, "Line12", 10320, 4080, 10320, 5640);
    QWidget *Line11 = linea(this, "Line11", 10320, 5640, 10320, 6000);
    QWidget *Line9 = linea(this, "Line9", 9240, 6000, 10320, 6000);
    QWidget *Line8 = linea(this, "Line8", 9360, 5640, 9360, 6000);
    QWidget *Line7 = linea(this, "Line7", 9360, 5040, 10320, 5040);
    QWidget *Line6 = linea(this, "Line6", 9360, 5400, 9360, 5640);
    QWidget *Line4 = linea(this, "Line4", 7680, 5400, 7680, 6000);
    QWidget *Line3 = linea(this, "Line3", 9360, 4080, 10320, 4080);
    QWidget *Line2 = linea(this, "Line2", 9360, 5400, 9360, 120);
    QWidget *Line1 = linea(this, "Line1", 120, 5400, 9360, 5400);

    Image1 = dibujo(this, "Image1", QStringLiteral(":/recursos/Entrada.jpg"), 0, -120,
                    QString::fromUtf8(Sitios[Entrada].nombre));

    apilar({Ver,   Inventario, PalMenu, Izquierda, Derecha, Patras, PaLante, text1,
            List1, Label1,     Line13,  Line10,    Label3,  Line12, Line11,  Line9,
            Line8, Line7,      Line6,   Line4,     Line3,   Line2,  Line1,   Image1});
    tabular({List1, text1, PaLante, Patras, Derecha, Izquierda, PalMenu, Inventario, Ver});
    List1->setFocus();

    anuncio_ = new Anuncio(this);

    for (const Tecla &a : Teclas) {
        auto *b = findChild<QPushButton *>(QLatin1String(a.boton));
        b->setAccessibleDescription(QString::fromUtf8(a.dicho));
        connect(new QShortcut(QKeySequence(a.tecla), this), &QShortcut::activated, b, [this, b] {
            if (b->isEnabled())
                b->click();
            else
                anuncio_->decir(QString::fromUtf8(SinSalida));
        });
    }
    tecleoAOrden(this, text1);
    connect(new QShortcut(QKeySequence(TeclaRepetir), this), &QShortcut::activated, this,
            [this] { repetir(); });

    connect(PaLante, &QPushButton::clicked, this,
            [this] { responder([this] { partida_.PaLante(); }); });
    connect(Patras, &QPushButton::clicked, this,
            [this] { responder([this] { partida_.Patras(); }); });
    connect(Izquierda, &QPushButton::clicked, this,
            [this] { responder([this] { partida_.Izquierda(); }); });
    connect(Derecha, &QPushButton::clicked, this,
            [this] { responder([this] { partida_.Derecha(); }); });
    connect(Ver, &QPushButton::clicked, this, [this] { responder([this] { partida_.Ver(); }); });
    connect(Inventario, &QPushButton::clicked, this,
            [this] { responder([this] { partida_.Inventario(); }); });
    connect(PalMenu, &QPushButton::clicked, this, [this] { PalMenu_Click(); });
    connect(text1, &CajaOrden::intro, this, [this] { text1_Intro(); });
    connect(text1, &CajaOrden::escape, this, [this] { text1_Escape(); });
    connect(text1, &CajaOrden::recordada, anuncio_, &Anuncio::decir);

    // Place pictures are decoded away from the window; the one shown stays until the next is ready.
    lectorDibujos_ = new LectorDibujos(this);
    connect(lectorDibujos_, &LectorDibujos::leido, this, [this](const QImage &imagen) {
        Image1->setPixmap(QPixmap::fromImage(imagen));
        Image1->resize(imagen.size());
    });

    // The load handler: the entrance's buttons, the hint hidden, the Direccion cue.
    cargando_ = true;
    partida_.Cargar();
    cargando_ = false;
}

void Juego::enfocarOrden() {
    text1->setFocus(Qt::OtherFocusReason);
}

void Juego::PalMenu_Click() {
    hide();
    Ventanas::mostrar(Ventanas::menu());
    Module1::Empieza();
}

void Juego::text1_Intro() {
    const QString orden = text1->text();
    responder([&] {
        partida_.ProcesarOrden(std::u16string_view(QStringView(orden).utf16(), orden.size()));
    });
}

void Juego::text1_Escape() {
    Ventanas::despedirse(QString::fromUtf8(Ventanas::DespedidaEscape), QMessageBox::Warning);
}

void Juego::closeEvent(QCloseEvent *evento) {
    Ventanas::despedirse(QString::fromUtf8(Ventanas::Despedida), QMessageBox::NoIcon);
    evento->accept();
}

void Juego::hideEvent(QHideEvent *evento) {
    // Back from the menu the screen reader is told of the window, not of the last reply again.
    anuncio_->callar();
    QWidget::hideEvent(evento);
}

void Juego::responder(const std::function<void()> &manejador) {
    porDecir_.clear();
    movido_ = false;
    pistaPorDecir_ = false;
    manejador();
    if (!isVisible())
        return; // won: the ending screen is read by itself
    QStringList decir = porDecir_;
    if (movido_)
        decir.prepend(dondeEstoy());
    if (pistaPorDecir_)
        decir << Label1->text();
    if (!decir.isEmpty())
        anuncio_->decir(decir.join(u'\n'));
}

QString Juego::dondeEstoy() const {
    return sitio_ ? QString::fromStdString(::dondeEstoy(*sitio_)) : QString();
}

void Juego::vaciar() {
    text1->setText(QString());
    List1->clear();
    porDecir_.clear(); // what was shown is gone
}

void Juego::anadirLinea(std::string_view linea) {
    const QString texto = QString::fromUtf8(linea.data(), qsizetype(linea.size()));
    List1->addItem(texto);
    porDecir_ << texto;
}

void Juego::mostrarPista(bool visible) {
    Label1->setVisible(visible);
    pistaPorDecir_ = visible;
    describirLugar();
}

void Juego::ponerBotones(const Botones &b) {
    const std::pair<QPushButton *, bool> estados[] = {
        {Derecha, b.Derecha}, {Izquierda, b.Izquierda}, {PaLante, b.PaLante}, {Patras, b.Patras}};
    // A button that goes away while it has the focus hands it to the order box; left to Qt, it
    // would pass to the next button, the way back, and a second Space would walk straight back.
    for (const auto &[boton, usable] : estados)
        if (!usable && boton == focusWidget())
            text1->setFocus(Qt::OtherFocusReason);
    for (const auto &[boton, usable] : estados) {
        boton->setEnabled(usable);
        boton->setVisible(usable);
    }
    describirLugar();
}

void Juego::describirLugar() {
    // The window's description is read with the window when it comes up; the status bar and the
    // order box's description when the player asks the screen reader for them.
    QString donde = dondeEstoy();
    anuncio_->ponerLugar(donde);
    text1->ponerLugar(donde);
    if (!Label1->isHidden())
        donde += u'\n' + Label1->text();
    setAccessibleDescription(donde);
}

void Juego::entrarLugar(const Sitio &sitio) {
    sitio_ = &sitio;
    movido_ = true;
    // The screen reader names and describes the picture after the place even when no picture
    // could be read.
    Image1->setAccessibleName(QString::fromUtf8(sitio.nombre));
    Image1->setAccessibleDescription(QString::fromUtf8(sitio.descripcion));
}

void Juego::cargarDibujo(const char *fichero) {
    // At the start the entrance's picture is the one laid out with the window.
    if (cargando_)
        return;
    // A missing, broken or too costly file never arrives: the picture already shown stays.
    lectorDibujos_->pedir(QString::fromUtf8(fichero), carpetasDibujos_);
}

void Juego::sonar(Sonido s) {
    Module1::tocar(s);
}

void Juego::ganar() {
    hide();
    Sacabo &final = Ventanas::sacabo();
    Ventanas::mostrar(final);
}

void Juego::terminar() {
    Ventanas::terminar();
}

void Juego::repetir() {
    QStringList decir;
    for (int i = 0; i < List1->count(); ++i)
        decir << List1->item(i)->text();
    if (!Label1->isHidden())
        decir << Label1->text();
    decir << dondeEstoy();
    anuncio_->decir(decir.join(u'\n'));
}
