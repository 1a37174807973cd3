// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QThreadPool>

// Where place pictures are looked for, in order: Archivos/Dibujos under the working directory,
// beside the executable, and in the installed data folder.
QStringList carpetasDibujos();

// The most a place picture may cost; a file beyond any of these is refused like a broken one. The
// pictures we ship are 617 x 362 pixels, under 100 KB, and baseline or of about ten scans.
namespace LimiteDibujo {
inline constexpr qint64 Bytes = 32 << 20;
inline constexpr qint64 Pixeles = 4096 * 4096;
// Decoding a progressive JPEG goes over the whole picture once per scan, so a small file of
// thousands of scans keeps a decoder busy for minutes.
inline constexpr qsizetype Escaneos = 100;
} // namespace LimiteDibujo

// The first copy of the file that can be read and decoded within those limits; a null image if
// none can. Safe on any thread.
QImage leerDibujo(const QString &fichero, const QStringList &carpetas);

// Reads place pictures on a thread of its own, so no file, however slow to decode, holds up the
// window. Only the newest request counts: requests not started when a newer one comes are dropped,
// a picture that is ready only after a newer one was asked for is thrown away, and one that cannot
// be read never arrives.
class LectorDibujos : public QObject {
    Q_OBJECT
  public:
    explicit LectorDibujos(QObject *padre = nullptr);
    ~LectorDibujos() override; // waits for the picture being decoded, if any

    void pedir(const QString &fichero, const QStringList &carpetas);
    // The newest request has not been answered yet (with a picture or with nothing).
    bool ocupado() const { return respondido_ != ultimo_; }

  signals:
    void leido(const QImage &imagen);

  private:
    quint64 ultimo_ = 0; // numbers requests; only the window's thread touches these two
    quint64 respondido_ = 0;
    QThreadPool hilo_;
};
