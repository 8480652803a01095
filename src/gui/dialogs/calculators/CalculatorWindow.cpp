#include "gui/dialogs/calculators/CalculatorWindow.h"

#include "core/calculators/CalculatorForm.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPaint.h"
#include "gui/widgets/GradientPanel.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QColor kLime(0x00, 0xFF, 0x00);

QString toolTipText(const QString& hint)
{
    QString text = hint;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString statusText(const QString& hint)
{
    QString text = hint;
    return text.replace(QLatin1String("\r\n"), QLatin1String("  -  "));
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

} // namespace

CalculatorWindow::CalculatorWindow(std::unique_ptr<CalculatorForm> model, HandlerGuard& guard,
                                   const QString& objectName, const QString& caption, Frame frame,
                                   QWidget* parent)
    : QDialog(parent), m_owned(std::move(model)), m_model(*m_owned), m_guard(guard)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    if (frame == Frame::Fixed)
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    else
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    setModal(true);
    QFont plain(QStringLiteral("Tahoma"));
    plain.setPixelSize(13);
    setFont(plain);

    const SchemeColours scheme = m_model.colours();
    const QColor grad1 = toQColor(scheme.grad1);
    const QColor grad2 = toQColor(scheme.grad2);

    HeadPanel = new GradientPanel(this);
    HeadPanel->setObjectName(QStringLiteral("HeadPanel"));
    HeadPanel->setColours(grad1, grad2);
    HeadPanel->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    HeadPanel->setMinimumHeight(52);
    QFont headFont = plain;
    headFont.setBold(true);
    headFont.setPixelSize(17);
    HeadPanel->setFont(headFont);
    m_headButtons = new QHBoxLayout(HeadPanel);
    m_headButtons->setContentsMargins(12, 8, 12, 8);
    m_headButtons->setSpacing(8);
    m_headButtons->addStretch();

    BodyPanel = new GradientPanel(this);
    BodyPanel->setObjectName(QStringLiteral("BodyPanel"));
    BodyPanel->setColours(grad1, grad2);
    BodyPanel->setDirection(GradientDirection::Vertical);
    m_bodyColumns = new QHBoxLayout(BodyPanel);
    m_bodyColumns->setContentsMargins(18, 12, 18, 16);
    m_bodyColumns->setSpacing(24);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(HeadPanel);
    layout->addWidget(BodyPanel, 1);
    layout->addWidget(StatusBar);

    m_controls.insert(QStringLiteral("HeadPanel"), HeadPanel);
    connect(&m_model, &CalculatorForm::changed, this, &CalculatorWindow::refresh);
}

CalculatorWindow::~CalculatorWindow() = default;

QLabel* CalculatorWindow::makeLabel(const QString& text)
{
    auto* label = new QLabel(text, BodyPanel);
    QPalette palette = label->palette();
    // Labels sit on the panel's gradient; pick the tone that reads on its upper part.
    const SchemeColours scheme = m_model.colours();
    palette.setColor(QPalette::WindowText, gradientpaint::contrastingText(gradientpaint::colourAt(
                                               toQColor(scheme.grad1), toQColor(scheme.grad2), 0.3)));
    label->setPalette(palette);
    return label;
}

QVBoxLayout* CalculatorWindow::bodyColumn(int column)
{
    while (m_bodyColumns->count() <= column) {
        auto* columnLayout = new QVBoxLayout;
        columnLayout->setSpacing(6);
        // The first column keeps its natural width; later ones (the schedule) take the rest.
        m_bodyColumns->addLayout(columnLayout, m_bodyColumns->count() == 0 ? 0 : 1);
    }
    return static_cast<QVBoxLayout*>(m_bodyColumns->itemAt(column)->layout());
}

QGridLayout* CalculatorWindow::addSection(const QString& title, int column)
{
    // The sections of a column share one grid, so their boxes line up.
    QGridLayout* grid = m_sections.value(column);
    if (!grid) {
        grid = new QGridLayout;
        grid->setHorizontalSpacing(12);
        grid->setVerticalSpacing(6);
        grid->setColumnMinimumWidth(1, 170);
        QVBoxLayout* columnLayout = bodyColumn(column);
        columnLayout->addLayout(grid);
        columnLayout->addStretch();
        m_sections.insert(column, grid);
    }
    int row = grid->count() == 0 ? 0 : grid->rowCount();
    if (row > 0) {
        grid->setRowMinimumHeight(row, 14);
        ++row;
    }
    QLabel* heading = makeLabel(title);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    heading->setFont(bold);
    grid->addWidget(heading, row, 0, 1, 2);
    return grid;
}

void CalculatorWindow::registerControl(QWidget* control, const QString& name, const QString& hint)
{
    control->setObjectName(name);
    if (!hint.isEmpty()) {
        control->setToolTip(toolTipText(hint));
        control->setStatusTip(statusText(hint));
    }
    m_controls.insert(name, control);
}

void CalculatorWindow::colourBox(QWidget* box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, toQColor(m_model.colours().grad3));
    palette.setColor(QPalette::Button, toQColor(m_model.colours().grad3));
    box->setPalette(palette);
}

QLineEdit* CalculatorWindow::addBox(QGridLayout* grid, const QString& name, const QString& label,
                                    const QString& hint)
{
    auto* edit = new QLineEdit(BodyPanel);
    registerControl(edit, name, hint);
    colourBox(edit);
    const int row = grid->rowCount();
    grid->addWidget(makeLabel(label), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QLineEdit* CalculatorWindow::addInput(QGridLayout* grid, const QString& name, const QString& label,
                                      const QString& hint)
{
    QLineEdit* edit = addBox(grid, name, label, hint);
    connect(edit, &QLineEdit::textEdited, this,
            [this, name](const QString& text) { run([&] { m_model.typeText(name, text); }); });
    return edit;
}

QLineEdit* CalculatorWindow::addOutput(QGridLayout* grid, const QString& name, const QString& label,
                                       const QString& hint)
{
    QLineEdit* edit = addBox(grid, name, label, hint);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QComboBox* CalculatorWindow::addFrequency(QGridLayout* grid, const QString& name, const QString& label,
                                          const QString& hint)
{
    auto* combo = new QComboBox(BodyPanel);
    combo->setEditable(true);
    // What the user types is the frequency's text as it stands, not a completion.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(m_model.frequencyItems());
    registerControl(combo, name, hint);
    colourBox(combo);
    const int row = grid->rowCount();
    grid->addWidget(makeLabel(label), row, 0);
    grid->addWidget(combo, row, 1);
    connect(combo, &QComboBox::activated, this,
            [this](int index) { run([&] { m_model.chooseFrequency(index); }); });
    connect(combo->lineEdit(), &QLineEdit::textEdited, this,
            [this, name](const QString& text) { run([&] { m_model.typeText(name, text); }); });
    return combo;
}

CalculatorWindow::RateAndTerm CalculatorWindow::addRateAndTerm(QGridLayout* grid, const QString& rateHint)
{
    return {addInput(grid, QStringLiteral("EdRate"), QStringLiteral("Rate of Interest ( % )"), rateHint),
            addInput(grid, QStringLiteral("EdTime"), QStringLiteral("Term ( Years )"),
                     QStringLiteral("Use a number only."))};
}

CalculatorWindow::LoanOutcome CalculatorWindow::addLoanOutcome(QGridLayout* grid)
{
    LoanOutcome boxes{};
    boxes.EdPays = addOutput(grid, QStringLiteral("EdPays"), QStringLiteral("Number of Repayments"),
                             QStringLiteral("Number of repayments to make."));
    boxes.EdR = addOutput(grid, QStringLiteral("EdR"), QStringLiteral("Repayment"),
                          QStringLiteral("Repayment required."));
    boxes.EdInt = addOutput(grid, QStringLiteral("EdInt"), QStringLiteral("Total Interest Paid"),
                            QStringLiteral("Total interest paid over duration of loan."));
    boxes.EdAI = addOutput(grid, QStringLiteral("EdAI"), QStringLiteral("Average Interest"),
                           QStringLiteral("Average interest per repayment."));
    boxes.EdAAI = addOutput(grid, QStringLiteral("EdAAI"), QStringLiteral("Average Annual Interest"),
                            QStringLiteral("Average interest paid per year."));
    boxes.EdTot = addOutput(grid, QStringLiteral("EdTot"), QStringLiteral("Total Repayment"),
                            QStringLiteral("Total Principal plus Interest."));
    return boxes;
}

GradientButton* CalculatorWindow::addHeadButton(const QString& name, const QString& caption,
                                                const QString& hint)
{
    auto* button = new GradientButton(caption, HeadPanel);
    registerControl(button, name, hint);
    button->setMinimumWidth(84);
    QFont f = font();
    f.setBold(true);
    button->setFont(f);
    m_headButtons->addWidget(button);
    return button;
}

GradientButton* CalculatorWindow::addCloseButton()
{
    GradientButton* button =
        addHeadButton(QStringLiteral("CloseBtn"), QStringLiteral("Close "), QStringLiteral("Close Form"));
    connect(button, &QPushButton::clicked, this, &QWidget::close);
    return button;
}

GradientButton* CalculatorWindow::addCalcButton(QGridLayout* grid, const QString& hint)
{
    auto* button = new GradientButton(QStringLiteral("Calculate  "), BodyPanel);
    registerControl(button, QStringLiteral("CalcBtn"), hint);
    QFont f = font();
    f.setBold(true);
    button->setFont(f);
    button->setMinimumHeight(32);
    grid->addWidget(button, grid->rowCount(), 1);
    return button;
}

QPlainTextEdit* CalculatorWindow::addMemo(const QString& name, const QString& hint, int column)
{
    auto* memo = new QPlainTextEdit(BodyPanel);
    registerControl(memo, name, hint);
    colourBox(memo);
    memo->setReadOnly(true);
    memo->setTabChangesFocus(false);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bodyColumn(column)->addWidget(memo);
    return memo;
}

void CalculatorWindow::run(const std::function<void()>& handler)
{
    m_guard.run(handler);
}

void CalculatorWindow::connectClick(GradientButton* button, const std::function<void()>& handler)
{
    connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
}

void CalculatorWindow::refreshAll()
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        refresh(it.key());
}

void CalculatorWindow::refresh(const QString& control)
{
    QWidget* widget = m_controls.value(control);
    if (!widget)
        return;
    widget->setEnabled(m_model.isEnabled(control));
    const QString text = m_model.text(control);
    if (auto* panel = qobject_cast<GradientPanel*>(widget)) {
        panel->setCaption(text);
        // The head's buttons start right of its caption.
        m_headButtons->setContentsMargins(QFontMetrics(panel->font()).horizontalAdvance(text) + 40, 8, 12, 8);
    } else if (auto* button = qobject_cast<GradientButton*>(widget)) {
        applyLook(button, control);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int index = m_model.frequencyIndex();
        if (combo->currentIndex() != index)
            combo->setCurrentIndex(index);
        if (combo->currentText() != text)
            combo->setEditText(text);
        setTextColour(combo, m_model.isRed(control) ? Qt::red : Qt::black);
        setTextColour(combo->lineEdit(), m_model.isRed(control) ? Qt::red : Qt::black);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text)
            edit->setText(text);
        setTextColour(edit, m_model.isRed(control) ? Qt::red : Qt::black);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        QString shown = text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (memo->toPlainText() != shown)
            memo->setPlainText(shown);
    }
}

void CalculatorWindow::applyLook(GradientButton* button, const QString& name)
{
    const SchemeColours scheme = m_model.colours();
    const QColor grad1 = toQColor(scheme.grad1);
    const QColor grad2 = toQColor(scheme.grad2);
    switch (m_model.look(name)) {
    case ButtonLook::Scheme:
        button->setColours(grad2, grad1);
        button->setCaptionColour(QColor());
        break;
    case ButtonLook::NeedsCalculation:
        button->setColours(grad2, grad1);
        button->setCaptionColour(Qt::red);
        break;
    case ButtonLook::Calculated:
        button->setColours(kLime, kLime);
        button->setCaptionColour(Qt::blue);
        break;
    case ButtonLook::Used:
        button->setColours(kLime, kLime);
        button->setCaptionColour(QColor());
        break;
    }
}

bool CalculatorWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        StatusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate)
        run([this] { m_model.FormActivate(); });
    return QDialog::event(event);
}

void CalculatorWindow::showEvent(QShowEvent* event)
{
    if (!m_shown) {
        m_shown = true;
        run([this] { m_model.FormShow(); });
    }
    QDialog::showEvent(event);
}

void CalculatorWindow::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        run([this] { m_model.FormClose(); });
    }
    QDialog::done(result);
}

} // namespace kelvora
