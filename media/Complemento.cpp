// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound plug-in's one object, made by QPluginLoader in the thread that loads it.
#include "AltavozEfectos.h"

#include <QObject>

class ComplementoAltavoz : public QObject, public AltavozEfectos {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID JUBO_ALTAVOZ_IID)
    Q_INTERFACES(Altavoz)
};

#include "Complemento.moc"
