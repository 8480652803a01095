#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>
#include <memory>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStatusBar;
class QVBoxLayout;

namespace kelvora {

class CalculatorForm;
class GradientButton;
class GradientPanel;
class HandlerGuard;

// What every calculator window has: a head panel with its buttons, a body panel
// of labelled boxes, a status bar that shows the hint of the control under the
// pointer, and the colour scheme. The window only shows its CalculatorForm: each
// control is found there by its name, and the user's edits and clicks go back to
// it through the handler guard.
class CalculatorWindow : public QDialog
{
    Q_OBJECT

public:
    ~CalculatorWindow() override;

    GradientPanel* HeadPanel = nullptr;
    GradientPanel* BodyPanel = nullptr;
    QStatusBar* StatusBar = nullptr;

    // Shows the whole state again (after a change the model did not announce).
    void refreshAll();

protected:
    enum class Frame
    {
        Fixed,
        Closable
    };

    // The window owns its model.
    CalculatorWindow(std::unique_ptr<CalculatorForm> model, HandlerGuard& guard, const QString& objectName,
                     const QString& caption, Frame frame, QWidget* parent);

    CalculatorForm& form() const { return *m_owned; }

    // Controls of the body, placed on the next row of `grid` (created by addSection).
    QLineEdit* addInput(QGridLayout* grid, const QString& name, const QString& label, const QString& hint);
    QLineEdit* addOutput(QGridLayout* grid, const QString& name, const QString& label, const QString& hint);
    QComboBox* addFrequency(QGridLayout* grid, const QString& name, const QString& label,
                            const QString& hint);
    // A titled group of rows in the body panel; `column` places it beside another.
    QGridLayout* addSection(const QString& title, int column = 0);
    // The rate and term rows every calculator asks for.
    struct RateAndTerm
    {
        QLineEdit* EdRate;
        QLineEdit* EdTime;
    };
    RateAndTerm addRateAndTerm(QGridLayout* grid, const QString& rateHint);
    // The six outcomes of a reducing-interest loan.
    struct LoanOutcome
    {
        QLineEdit *EdPays, *EdR, *EdInt, *EdAI, *EdAAI, *EdTot;
    };
    LoanOutcome addLoanOutcome(QGridLayout* grid);
    GradientButton* addHeadButton(const QString& name, const QString& caption, const QString& hint);
    // "Close ", the last button of every head panel.
    GradientButton* addCloseButton();
    GradientButton* addCalcButton(QGridLayout* grid, const QString& hint);
    QPlainTextEdit* addMemo(const QString& name, const QString& hint, int column);

    // Runs a handler of the model through the guard.
    void run(const std::function<void()>& handler);
    // A button click: the handler, then the window follows the model.
    void connectClick(GradientButton* button, const std::function<void()>& handler);

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void refresh(const QString& control);
    void applyLook(GradientButton* button, const QString& name);
    void colourBox(QWidget* box);
    QLineEdit* addBox(QGridLayout* grid, const QString& name, const QString& label, const QString& hint);
    void registerControl(QWidget* control, const QString& name, const QString& hint);
    QLabel* makeLabel(const QString& text);
    QVBoxLayout* bodyColumn(int column);

    std::unique_ptr<CalculatorForm> m_owned;
    CalculatorForm& m_model;
    HandlerGuard& m_guard;
    QHash<QString, QWidget*> m_controls;
    QHBoxLayout* m_headButtons = nullptr;
    QHBoxLayout* m_bodyColumns = nullptr;
    QHash<int, QGridLayout*> m_sections;
    bool m_shown = false;
    bool m_closed = false;
};

} // namespace kelvora
