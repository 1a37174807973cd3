// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The main menu, the screen the program starts with.
class Menu : public QWidget {
    Q_OBJECT

  public:
    Menu();

  protected:
    void closeEvent(QCloseEvent *evento) override;

  private:
    void Eljuego_Click();
    void Intro_Click();
    void Salir_Click();

    QPushButton *Salir;
    QPushButton *Intro;
    QPushButton *Eljuego;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Image1;
};
