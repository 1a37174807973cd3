// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CajaOrden.h"

#include "Teclas.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// A paste longer than the box is cut at the cap, which may fall between the two halves of a
// character such as an emoji; the half left behind is dropped rather than shown as a broken
// glyph and sent with the order.
class SinMediosCaracteres : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString &texto, int &pos) const override {
        for (qsizetype i = 0; i < texto.size(); ++i) {
            if (texto.at(i).isHighSurrogate() && i + 1 < texto.size() &&
                texto.at(i + 1).isLowSurrogate()) {
                ++i;
            } else if (texto.at(i).isSurrogate()) {
                texto.remove(i, 1);
                if (pos > i)
                    --pos;
                --i;
            }
        }
        return Acceptable;
    }
};

} // namespace

void Historial::anotar(const QString &orden) {
    if (!orden.trimmed().isEmpty()) {
        ordenes_.removeAll(orden);
        ordenes_.append(orden);
    }
    pos_ = ordenes_.size();
    borrador_.clear();
}

std::optional<QString> Historial::anterior(const QString &escrito) {
    if (pos_ == 0)
        return std::nullopt;
    if (pos_ == ordenes_.size())
        borrador_ = escrito;
    return ordenes_.at(--pos_);
}

std::optional<QString> Historial::siguiente() {
    if (pos_ >= ordenes_.size())
        return std::nullopt;
    ++pos_;
    return pos_ == ordenes_.size() ? borrador_ : ordenes_.at(pos_);
}

CajaOrden::CajaOrden(QWidget *padre) : QLineEdit(padre) {
    setMaxLength(LargoMaximo);
    setValidator(new SinMediosCaracteres(this));
    ponerLugar(QString());
}

void CajaOrden::ponerLugar(const QString &donde) {
    QString descripcion = QStringLiteral("Escribe una orden y pulsa Intro; %1 repite la última "
                                         "respuesta y dónde estás.")
                              .arg(QString::fromUtf8(DichoRepetir));
    if (!donde.isEmpty())
        descripcion.prepend(donde + u' ');
    setAccessibleDescription(descripcion);
}

void CajaOrden::keyPressEvent(QKeyEvent *evento) {
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        evento->accept();
        historial_.anotar(text());
        emit intro();
        return;
    case Qt::Key_Escape:
        evento->accept();
        emit escape();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        evento->accept();
        const auto recuerdo =
            evento->key() == Qt::Key_Up ? historial_.anterior(text()) : historial_.siguiente();
        if (recuerdo) {
            setText(*recuerdo);
            if (!recuerdo->isEmpty())
                emit recordada(text());
        }
        return;
    }
    default: QLineEdit::keyPressEvent(evento);
    }
}
