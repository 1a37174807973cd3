// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HiloSonido.h"

#include "Altavoz.h"
#include "CargarAltavoz.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QPluginLoader>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <pthread.h>
#include <vector>

namespace {

Q_LOGGING_CATEGORY(registroSonido, "jubo.sonido", QtWarningMsg)

thread_local bool enHiloSonido = false;
QtMessageHandler anterior = nullptr;

// Whether this is one of libpulse's own threads, where Qt Multimedia's callbacks run and warn
// (such as "Stream error: Timeout" when the server stops answering). libpulse names them.
bool enHiloDePulse() {
    thread_local const bool pulse = [] {
        char nombre[16] = {};
        return pthread_getname_np(pthread_self(), nombre, sizeof nombre) == 0 &&
               std::strcmp(nombre, "threaded-ml") == 0;
    }();
    return pulse;
}

// Loading the plug-in and playing make Qt warn about every file and server it cannot use, again
// and again; cargarAltavoz's one line says what matters. So from this thread and libpulse's only
// critical messages reach stderr, unless QT_LOGGING_RULES=jubo.sonido.debug=true asks for
// everything.
void mensajes(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
    if (tipo < QtCriticalMsg && (enHiloSonido || enHiloDePulse()) &&
        !registroSonido().isDebugEnabled())
        return;
    if (anterior) // set a moment after this handler
        anterior(tipo, contexto, texto);
}

// Qt Multimedia tears down its PulseAudio connection at exit while that connection's own thread
// may still be handling the server's last answers, which now and then crashes (SIGSEGV, or
// libpulse's assertion on its main loop). So a process that has loaded the player ends here, on
// its way out through exit(): after the sound threads have stopped, before any static destructor
// or exit handler (Qt Multimedia's among them); with its output flushed and its exit status, as
// the game ends on every other way out.
void acabarYa(int estado, void *) {
    std::fflush(nullptr);
    std::_Exit(estado);
}

std::atomic<bool> altavozCargado = false;

// The sound threads made by this thread, stopped when it ends the program. Through
// ~QCoreApplication (a post routine) or through exit(), which Qt's X11 plug-in calls when the
// display is lost: the ending thread's thread_local objects go before every static destructor, so
// the sound threads are no longer playing when Qt Multimedia's own state is torn down under them.
struct Hilos {
    std::vector<HiloSonido *> todos;
    ~Hilos() {
        pararTodos();
        // exit() runs the thread's thread_local destructors before any exit handler, and a handler
        // registered now runs before all those registered earlier: acabarYa comes first, whatever
        // Qt Multimedia registered while playing.
        if (altavozCargado)
            on_exit(acabarYa, nullptr);
    }
    static void pararTodos();
};
thread_local Hilos hilos;

void Hilos::pararTodos() {
    for (HiloSonido *h : hilos.todos)
        h->parar(2000);
}

} // namespace

HiloSonido::HiloSonido(QStringList sitios)
    : sitios_(std::move(sitios)), hilo_(new QThread), receptor_(new QObject) {
    hilo_->setObjectName(QStringLiteral("jubo-sonido"));
    receptor_->moveToThread(hilo_);
    static std::once_flag instalado;
    std::call_once(instalado, [] { anterior = qInstallMessageHandler(mensajes); });
    hilo_->start();
    if (hilos.todos.empty())
        qAddPostRoutine(Hilos::pararTodos);
    hilos.todos.push_back(this);
}

void HiloSonido::tocar(const QString &fichero) {
    bool avisar;
    {
        QMutexLocker cerrojo(&mutex_);
        pendiente_ = fichero;
        avisar = !hayPendiente_; // one posted call serves every cue handed over before it runs
        hayPendiente_ = true;
        ++pedidos_;
    }
    if (avisar)
        QMetaObject::invokeMethod(
            receptor_, [this] { atender(); }, Qt::QueuedConnection);
}

void HiloSonido::atender() {
    enHiloSonido = true;
    QString fichero;
    quint64 numero;
    {
        QMutexLocker cerrojo(&mutex_);
        fichero = std::exchange(pendiente_, QString());
        hayPendiente_ = false;
        numero = pedidos_;
    }
    const bool parando = hilo_->isInterruptionRequested(); // then cues left are dropped
    if (!cargado_ && !parando) {
        cargado_ = true;
        cargador_ = cargarAltavoz(sitios_);
        if (cargador_) {
            altavoz_ = qobject_cast<Altavoz *>(cargador_->instance());
            altavozCargado = true;
        }
    }
    if (altavoz_ && !parando)
        altavoz_->tocar(fichero); // may wait on the sound server for a long while
    QMutexLocker cerrojo(&mutex_);
    servidos_ = numero;
    servido_.wakeAll();
}

bool HiloSonido::esperar(int ms) {
    const QDeadlineTimer plazo(ms);
    QMutexLocker cerrojo(&mutex_);
    while (servidos_ != pedidos_)
        if (!servido_.wait(&mutex_, plazo))
            return false;
    return true;
}

void HiloSonido::parar(int ms) {
    if (std::exchange(parado_, true))
        return;
    // Cues not yet played are dropped, and a question to a mute sound server ends at once (see
    // ServidorSonido.h). The player stays: deleting it would leave its last words to the server
    // unanswered when Qt Multimedia tears down its connection.
    hilo_->requestInterruption();
    hilo_->quit();
    hilo_->wait(QDeadlineTimer(ms));
}
