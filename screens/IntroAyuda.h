// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

// The story and the instructions, reached from the menu.
class IntroAyuda : public QWidget {
    Q_OBJECT

  public:
    IntroAyuda();

  protected:
    void closeEvent(QCloseEvent *evento) override;

  private:
    void Volver_Click();

    QPushButton *Volver;
    QGroupBox *Frame2;
    QLabel *Label2;
    QWidget *Line1;
    QLabel *Image1;
    QGroupBox *Frame1;
    QLabel *Label1;
};
