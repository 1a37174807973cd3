// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QWaitCondition>

class Altavoz;
class QObject;
class QPluginLoader;
class QThread;

// The loudspeaker's own thread. A cue is handed over and the caller goes on at once, whatever the
// sound server does: whenever the player waits for a server that is slow, stalled or gone, it
// waits here. The sound plug-in is loaded here too, on the first cue, from the first of `sitios`
// that loads; if none does, one line on stderr says so and every cue is silence. Cues handed over
// while the thread is busy do not queue up: only the newest is played once it is free.
class HiloSonido {
  public:
    explicit HiloSonido(QStringList sitios);
    HiloSonido(const HiloSonido &) = delete;
    HiloSonido &operator=(const HiloSonido &) = delete;

    // Plays `fichero` (empty: silence, cutting off what plays) as soon as the thread is free.
    void tocar(const QString &fichero);

    // Waits up to `ms` milliseconds for the newest cue to reach the player; whether it did.
    bool esperar(int ms);

    // Stops the thread, waiting up to `ms` milliseconds for it to finish what it is doing; later
    // calls do nothing. One stuck in the audio system is left where it is (and never destroyed),
    // so that stopping never hangs. Done by itself when the application object goes or the program
    // calls exit().
    void parar(int ms);

  private:
    void atender();

    const QStringList sitios_;
    QThread *hilo_;
    QObject *receptor_; // lives in hilo_: what runs there is posted to it
    bool parado_ = false;
    // Only touched in hilo_. Like the thread, kept until the process ends (see CargarAltavoz.h).
    bool cargado_ = false;
    QPluginLoader *cargador_ = nullptr;
    Altavoz *altavoz_ = nullptr;

    QMutex mutex_; // guards what follows, held only to read or swap it
    QWaitCondition servido_;
    QString pendiente_;
    bool hayPendiente_ = false;
    quint64 pedidos_ = 0;
    quint64 servidos_ = 0;
};
