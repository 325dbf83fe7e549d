#pragma once
// The small window shown while the other windows are created.

#include <QDialog>

class QLabel;

namespace velmira {

class TBienvenida : public QDialog
{
    Q_OBJECT
public:
    explicit TBienvenida(QWidget *parent = nullptr);

private:
    void createPortrait();
    void createTitle();
    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
};

extern TBienvenida *Bienvenida;

} // namespace velmira
