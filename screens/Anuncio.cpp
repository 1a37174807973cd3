// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Anuncio.h"

Anuncio::Anuncio(QWidget *ventana) : QWidget(ventana), aviso_(new AvisoHablado(this)) {
    setObjectName(QStringLiteral("Anuncio"));
    aviso_->setObjectName(QStringLiteral("AvisoHablado"));
    setGeometry(0, 0, 0, 0);
    aviso_->setGeometry(0, 0, 0, 0);
    aviso_->hide();
}

void Anuncio::ponerLugar(const QString &lugar) {
    setAccessibleName(lugar);
}

void Anuncio::decir(const QString &texto) {
    aviso_->hide();
    aviso_->setAccessibleName(texto);
    aviso_->show();
}

void Anuncio::callar() {
    aviso_->hide();
}

QString Anuncio::dicho() const {
    return aviso_->isHidden() ? QString() : aviso_->accessibleName();
}
