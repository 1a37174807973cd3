// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>
#include <QStringList>
#include <optional>

// The orders already given, for recalling them with Up and Down as in any text adventure.
class Historial {
  public:
    // A submitted order becomes the newest; an order given before moves up rather than repeat.
    // Browsing starts again from the newest.
    void anotar(const QString &orden);
    // Up: the order before the one shown. `escrito` is what the box holds, kept for coming back.
    std::optional<QString> anterior(const QString &escrito);
    // Down: the next newer order, and past the newest what was being typed before browsing.
    std::optional<QString> siguiente();

    const QStringList &ordenes() const { return ordenes_; }

  private:
    QStringList ordenes_;
    qsizetype pos_ = 0; // == ordenes_.size() while not browsing
    QString borrador_;
};

// The order box: Enter (main or keypad) submits, Escape asks to leave, Up and Down walk the
// history. Every other key is an ordinary line edit's.
class CajaOrden : public QLineEdit {
    Q_OBJECT
  public:
    // A line edit lays out and draws its whole line on every caret blink, so a pasted megabyte
    // would stall the window. This many characters is a hundred times the longest order, and
    // drawing them takes a fraction of a frame; a longer paste keeps its first part.
    static constexpr int LargoMaximo = 4096;

    explicit CajaOrden(QWidget *padre = nullptr);

    Historial &historial() { return historial_; }

    // Where the player is and the ways on, in the box's description: a screen reader's
    // "where am I" on the box says it, with how to give an order.
    void ponerLugar(const QString &donde);

  signals:
    void intro();
    void escape();
    // Up or Down brought back an order. Orca reads the swapped-in line without its last letter,
    // so the game says the order itself.
    void recordada(const QString &orden);

  protected:
    void keyPressEvent(QKeyEvent *evento) override;

  private:
    Historial historial_;
};
