// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <initializer_list>

class QLabel;

// Helpers that turn the screens' layout data (twips, front-to-back lists, tab positions) into Qt
// widgets. 15 twips are one device-independent pixel.
namespace Disposicion {

constexpr int px(int twips) {
    return twips / 15;
}

// Place a control at left, top, width, height given in twips.
void colocar(QWidget *w, int izquierda, int arriba, int ancho, int alto);

// Fixed client area in twips and the caption, centred on the screen but never past its top or
// left edge; the icon is the program's.
void prepararVentana(QWidget *ventana, const QString &titulo, int ancho, int alto);

// "MS Sans Serif" at the same point size, in the sans-serif we ship with: Liberation Sans.
QFont fuente(double puntos = 8.25, bool negrita = false, bool cursiva = false,
             bool subrayada = false);

// The few system colours the screens use, taken from the platform palette: 7 menu text,
// 18 button text, 20 three-D highlight, 24 information background.
QColor colorSistema(int indice);

// Controls listed front to back: the first one ends up on top.
void apilar(std::initializer_list<QWidget *> delanteAtras);

// Focusable controls in tab order.
void tabular(std::initializer_list<QWidget *> orden);

QPushButton *boton(QWidget *padre, const char *nombre, const QString &texto, int izquierda,
                   int arriba, int ancho, int alto);

// A label that wraps at word boundaries within its width and cuts off what falls below it.
QLabel *etiqueta(QWidget *padre, const char *nombre, const QString &texto, int izquierda,
                 int arriba, int ancho, int alto);

// A picture control: sized to its picture, top-left at the given twips.
QLabel *dibujo(QWidget *padre, const char *nombre, const QString &recurso, int izquierda,
               int arriba, const QString &nombreAccesible);

// A one-pixel line in the window-text colour from one end point (twips) to the other.
QWidget *linea(QWidget *padre, const char *nombre, int x1, int y1, int x2, int y2);

// Program-wide settings every screen relies on: style, default font, icon, Qt's own texts in
// Spanish, the roles a screen reader is given for windows and spoken notices, lines kept out of
// its view, and that hiding or closing windows never quits on its own.
void prepararAplicacion();

// Loads Qt's Spanish texts (message box buttons, the order box's context menu) from folder;
// false when they are not there, and Qt's own texts stay English.
bool cargarQtEnEspanol(const QString &carpeta);

} // namespace Disposicion

// A push button whose caption wraps at word boundaries, as the narrow square buttons of the game
// screen need; text() stays the caption as written. Enter (main or keypad) clicks it while it has
// the focus, as Space does; it is never a default button that Enter clicks from elsewhere.
class BotonVentana : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *evento) override;
};

// A frame whose caption sits on its top border, the border passing through the caption's middle,
// so that controls placed just below the caption stay clear of the border.
class Marco : public QGroupBox {
    Q_OBJECT
  public:
    using QGroupBox::QGroupBox;

  protected:
    void paintEvent(QPaintEvent *) override;
};

// A straight horizontal or vertical line, as the layouts draw boxes and rules.
class Linea : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent *) override;
};
