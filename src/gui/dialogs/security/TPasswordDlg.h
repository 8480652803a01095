#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kelvora {

class GradientPanel;
class StartupPassword;
struct ColourScheme;

// The start-up password prompt. One attempt: a wrong or empty password, Cancel,
// or closing the box with Alt+F4 ends the program (the model shows why).
class TPasswordDlg : public QDialog
{
    Q_OBJECT
public:
    TPasswordDlg(StartupPassword& password, const ColourScheme& scheme, QWidget* parent = nullptr);

    // True when the right password was given.
    bool ask();

    QLineEdit* PasswordInfo = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OKBtnClick();
    void CancelBtnClick();
    void refuseClose();

    StartupPassword& m_password;
    GradientPanel* m_panel = nullptr;
    bool m_finished = false;
};

} // namespace kelvora
