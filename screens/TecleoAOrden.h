// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// Players of text games start typing an order wherever the focus is. Letters and digits typed
// while a button of ventana has the focus go to the order box caja, and the focus with them;
// Space, Enter and every other key stay the button's.
void tecleoAOrden(QWidget *ventana, QWidget *caja);
