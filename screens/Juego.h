// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Partida.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class Anuncio;
class CajaOrden;
class LectorDibujos;
class QLabel;
class QListWidget;
class QPushButton;

// The game screen: the place picture, the direction buttons, the order box and the output list.
// The game itself is the engine's Partida; this screen is what it draws on.
class Juego : public QWidget, private Pantalla {
    Q_OBJECT

  public:
    Juego();

    const Partida &partida() const { return partida_; }
    Partida &partida() { return partida_; }
    void enfocarOrden();

    // Where place pictures are read from; by default carpetasDibujos().
    void ponerCarpetasDibujos(const QStringList &carpetas) { carpetasDibujos_ = carpetas; }

  protected:
    void closeEvent(QCloseEvent *evento) override;
    void hideEvent(QHideEvent *evento) override;

  private:
    // Runs one handler of the game, then has a screen reader say in one go what it showed:
    // the new place, the reply lines, the hint.
    void responder(const std::function<void()> &manejador);
    // Where the player is and which ways lead on, as the screen reader says it.
    QString dondeEstoy() const;
    // Tells a screen reader where the player is and what the picture shows.
    void describirLugar();
    // Says again what the list shows, the hint if it is up, and where the player is.
    void repetir();

    void PalMenu_Click();
    void text1_Intro();
    void text1_Escape();

    // What the game does to the screen.
    void vaciar() override;
    void anadirLinea(std::string_view linea) override;
    void mostrarPista(bool visible) override;
    void ponerBotones(const Botones &b) override;
    void cargarDibujo(const char *fichero) override;
    void sonar(Sonido s) override;
    void ganar() override;
    void terminar() override;
    void entrarLugar(const Sitio &sitio) override;

    QPushButton *Ver;
    QPushButton *Inventario;
    QPushButton *PalMenu;
    QPushButton *Izquierda;
    QPushButton *Derecha;
    QPushButton *Patras;
    QPushButton *PaLante;
    CajaOrden *text1;
    QListWidget *List1;
    QLabel *Label1;
    QLabel *Label3;
    QLabel *Image1;
    Anuncio *anuncio_;

    QStringList porDecir_; // what the running handler has shown, in order
    bool movido_ = false;  // the running handler took the player to another place
    bool cargando_ = false;
    const Sitio *sitio_ = nullptr; // where the player is
    // The running handler showed the hint. It is said after the lines, as jubo-texto prints it,
    // although the game shows it before the lines that reveal it.
    bool pistaPorDecir_ = false;
    QStringList carpetasDibujos_;
    LectorDibujos *lectorDibujos_;
    Partida partida_;
};
