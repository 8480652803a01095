#include "gui/dialogs/security/TPasswordDlg.h"

#include "core/security/StartupPassword.h"
#include "core/settings/ColourScheme.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

TPasswordDlg::TPasswordDlg(StartupPassword& password, const ColourScheme& scheme, QWidget* parent)
    : QDialog(parent), m_password(password)
{
    setObjectName(QStringLiteral("TPasswordDlg"));
    setWindowTitle(QStringLiteral(" Password  Required"));
    // No caption-bar buttons: the only ways out are OK and Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    m_panel = new GradientPanel(this);
    m_panel->setColours(toQColor(scheme.bandStart), toQColor(scheme.bandEnd));
    auto* label = new QLabel(QStringLiteral("Enter Password  ( Case Sensitive )"), m_panel);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    PasswordInfo = new QLineEdit(m_panel);
    PasswordInfo->setObjectName(QStringLiteral("PasswordInfo"));
    PasswordInfo->setEchoMode(QLineEdit::Password);
    PasswordInfo->setToolTip(QStringLiteral("Enter your case sensitive Password."));
    PasswordInfo->setMinimumWidth(240);

    auto* panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(18, 16, 18, 16);
    panelLayout->addWidget(label);
    panelLayout->addWidget(PasswordInfo);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addLayout(buttons);
    setStyleSheet(QStringLiteral("#TPasswordDlg { background: white; }"));

    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TPasswordDlg::CancelBtnClick);
}

bool TPasswordDlg::ask()
{
    return exec() == QDialog::Accepted;
}

void TPasswordDlg::OKBtnClick()
{
    m_finished = true;
    if (m_password.accept(PasswordInfo->text()))
        accept();
    else
        reject();
}

void TPasswordDlg::CancelBtnClick()
{
    m_finished = true;
    m_password.refuse();
    reject();
}

void TPasswordDlg::refuseClose()
{
    m_finished = true;
    QApplication::beep();
    m_password.altF4();
    reject();
}

void TPasswordDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
        refuseClose();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        CancelBtnClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPasswordDlg::closeEvent(QCloseEvent* event)
{
    // Closing the box any other way than OK or Cancel counts as Alt+F4.
    if (!m_finished) {
        event->ignore();
        refuseClose();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace kelvora
