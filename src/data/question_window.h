#pragma once
// The shared yes/no question window, created once at start and reused.

#include <QDialog>

namespace velmira {

class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
};

extern TForm4 *Form4;

} // namespace velmira
