// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing by ear and by keyboard: what the game tells a screen reader after each thing the
// player does, which keys press which buttons and where the focus goes, the frames' captions, and
// Qt's own texts in Spanish.

#include "ApoyoVentanas.h"
#include "IntroAyuda.h"
#include "Sacabo.h"
#include "Sitios.h"
#include "Textos.h"
#include "TextosVentanas.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <utility>

class PruebaAccesible : public QObject {
    Q_OBJECT
    Grabadora registro;

  private slots:
    void initTestCase() { Disposicion::prepararAplicacion(); }
    void init() {
        Ventanas::olvidarTodas();
        Ventanas::ponerSorteo(SorteoFijo(7));
        escuchar(registro);
    }
    void cleanupTestCase() { Ventanas::olvidarTodas(); }

    // Qt's own words are Spanish when its translations are installed, and English without them.
    void qtEnEspanol() {
        const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!QFile::exists(carpeta + QStringLiteral("/qtbase_es.qm")))
            QSKIP("qt6-translations-l10n no está instalado");
        auto botonOk = [] {
            QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Salir"), QString(),
                             QMessageBox::Ok);
            return caja.button(QMessageBox::Ok)->text();
        };
        QCOMPARE(botonOk(), QStringLiteral("Aceptar")); // as the program's set-up left it
        QVERIFY(Disposicion::cargarQtEnEspanol(carpeta));
        QCOMPARE(botonOk(), QStringLiteral("Aceptar"));
        QLineEdit caja;
        std::unique_ptr<QMenu> menu(caja.createStandardContextMenu());
        QStringList acciones;
        for (QAction *a : menu->actions())
            acciones << a->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(acciones.contains(QStringLiteral("Seleccionar todo")),
                 qPrintable(acciones.join(u'|')));

        QTemporaryDir vacia;
        QVERIFY(!Disposicion::cargarQtEnEspanol(vacia.path()));
        QCOMPARE(botonOk(), QStringLiteral("OK"));
        QVERIFY(Disposicion::cargarQtEnEspanol(carpeta));
    }
};

QTEST_MAIN(PruebaAccesible)
#include "tst_accesible.moc"
