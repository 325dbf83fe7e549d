#pragma once
// The shared yes/no question window, created once at start and reused. The
// caller sets the question (and shows the name field or the second line when
// it needs them) and runs it: 3 after "Si", 2 after "No" or closing. Every
// close puts the window back as it was designed.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmira {

class TForm4 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kYes = 3;
    static constexpr int kNo = 2;

    explicit TForm4(QWidget *parent = nullptr);

    QLabel *LabelNombre = nullptr;
    QLabel *LabelNombre2 = nullptr;
    QLineEdit *EditNombre = nullptr;
    QPushButton *ShadowSi = nullptr;
    QPushButton *ShadowNo = nullptr;

    // Shows the window modally and returns kYes or kNo.
    int ask();

protected:
    void done(int result) override;

private:
    void createLabels();
    void createNameField();
    void createButtons();
    void placeOnScreen();
};

extern TForm4 *Form4;

} // namespace velmira
