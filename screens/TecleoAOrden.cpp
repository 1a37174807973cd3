// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TecleoAOrden.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

class Desvio : public QObject {
  public:
    Desvio(QWidget *ventana, QWidget *caja) : QObject(ventana), caja_(caja) {}

  protected:
    bool eventFilter(QObject *, QEvent *evento) override {
        if (evento->type() != QEvent::KeyPress)
            return false;
        auto *tecla = static_cast<QKeyEvent *>(evento);
        // Ctrl and Alt make the letter a command (Alt + V is Ver), not typing.
        if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QList<uint> letras = tecla->text().toUcs4();
        if (letras.isEmpty() || !QChar::isLetterOrNumber(char32_t(letras.front())))
            return false;
        caja_->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendEvent(caja_, tecla);
        return true;
    }

  private:
    QWidget *caja_;
};

} // namespace

void tecleoAOrden(QWidget *ventana, QWidget *caja) {
    auto *desvio = new Desvio(ventana, caja);
    for (QPushButton *boton : ventana->findChildren<QPushButton *>())
        boton->installEventFilter(desvio);
}
