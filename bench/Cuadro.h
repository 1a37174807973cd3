// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>

// Nanoseconds on the monotonic clock (steady_clock on Linux), the one bench/medir reads before
// starting a process.
inline std::int64_t ahoraNs() {
    return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
}

// Watches every event of the application for finished frames. Widgets paint inside the handling
// of an Expose (first showing) or an UpdateRequest (any later change) of their window, which
// also hands the picture to the window system; so a frame is finished when that handling returns.
// The watcher runs the handler itself to see that moment, and reports frames in which at least
// one widget accepted by `cuenta` was painted.
class Cuadros : public QObject {
  public:
    std::function<bool(QObject *)> cuenta = [](QObject *) { return true; };
    std::function<void(std::int64_t)> alTerminar;

  protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override {
        const auto tipo = evento->type();
        if (tipo == QEvent::Paint) {
            if (objeto->isWidgetType() && cuenta(objeto))
                pintado_ = true;
            return false;
        }
        if ((tipo != QEvent::Expose && tipo != QEvent::UpdateRequest) || dentro_)
            return false;
        dentro_ = true;
        pintado_ = false;
        objeto->event(evento);
        dentro_ = false;
        if (pintado_ && alTerminar)
            alTerminar(ahoraNs());
        return true;
    }

  private:
    bool dentro_ = false;
    bool pintado_ = false;
};
