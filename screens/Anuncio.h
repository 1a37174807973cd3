// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

// What a screen reader says while the focus stays where it is. To a screen reader this is the
// window's status bar, named after where the player is, with one notification inside it.
// Showing the notification again with a new text is what makes Orca speak it; a changed name
// or text alone is not spoken. Orca speaks only the newest of several notifications that arrive
// together, so a reply must go out as one text. Nothing of it is drawn: it has no size.
class Anuncio : public QWidget {
    Q_OBJECT

  public:
    explicit Anuncio(QWidget *ventana);

    // The status bar's name, which a screen reader reads on asking for the status bar.
    void ponerLugar(const QString &lugar);
    // Speaks texto once.
    void decir(const QString &texto);
    // Hides what was said, so that showing the window again does not say it again.
    void callar();
    // The last thing said while it is still showing, else empty.
    QString dicho() const;

  private:
    QWidget *aviso_;
};

// The notification inside Anuncio.
class AvisoHablado : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;
};
