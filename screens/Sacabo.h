#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The congratulations at the end of a won game.
class Sacabo : public QWidget {
    Q_OBJECT

  public:
    Sacabo();

  protected:
    void closeEvent(QCloseEvent *evento) override;

  private:
    QPushButton *Command1;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Image1;
};
