#pragma once
// The shared yes/no question window, created once at start and reused. It
// asks a question (focus on "Si") or a name (focus in the name field), and
// every close puts the window back as it was designed.

#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velmira {

class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    // Asks the question, with a second line under it when one is given;
    // true after "Si", false after "No" or closing.
    bool askYesNo(const QString &question, const QString &secondLine = {});
    // Asks for a name under the prompt, the field holding the proposal
    // (selected, so that typing replaces it); the text in the field after
    // "Si", nothing after "No" or closing.
    std::optional<QString> askName(const QString &prompt, const QString &proposal = {});

protected:
    void done(int result) override;

private:
    // The dialog's results: 3 after "Si", 2 after "No" or closing.
    static constexpr int kYes = 3;
    static constexpr int kNo = 2;

    void createLabels();
    void createNameField();
    void createButtons();
    void placeOnScreen();
    // Shows the window modally with the focus on the control; kYes or kNo.
    int ask(QWidget *focus);
    // Wider than designed when a text needs it, so that every text shows whole.
    void fitToTexts();

    QLabel *LabelNombre = nullptr;
    QLabel *LabelNombre2 = nullptr;
    QLineEdit *EditNombre = nullptr;
    QPushButton *ShadowSi = nullptr;
    QPushButton *ShadowNo = nullptr;
};

extern TForm4 *Form4;

// Asks in the question window whether to leave the program (interface text
// 49); true when the pupil confirms.
bool confirmLeavingProgram();

} // namespace velmira
