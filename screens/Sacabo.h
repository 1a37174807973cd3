// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The congratulations at the end of a won game.
class Sacabo : public QWidget {
    Q_OBJECT

  public:
    Sacabo();

  protected:
    void closeEvent(QCloseEvent *evento) override;

  private:
    QPushButton *Command1;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Image1;
};
