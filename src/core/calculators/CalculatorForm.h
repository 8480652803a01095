#pragma once

#include "core/calculators/CalculatorContext.h"
#include "core/calculators/Frequency.h"
#include "core/format/NumberText.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace kelvora {

class Settings;
class UserPort;

// How a calculator's button is painted.
enum class ButtonLook
{
    Scheme,           // the scheme gradient, Grad2Str to Grad1Str
    NeedsCalculation, // the scheme gradient with red text: inputs changed since the last result
    Calculated,       // solid lime with blue text
    Used,             // solid lime: this output was taken
};

// The colours of a calculator window (0x00BBGGRR): panels run from grad1 to grad2,
// buttons from grad2 to grad1, boxes have grad3 behind them.
struct SchemeColours
{
    quint32 grad1 = 0;
    quint32 grad2 = 0;
    quint32 grad3 = 0;
};

// What a calculator window shows, kept without a window: the text of every box by
// control name, which controls are disabled, how each button is painted and which
// texts are red. The window shows this state and passes the user's edits and clicks
// back; every rule of the calculator lives in the subclasses.
class CalculatorForm : public QObject
{
    Q_OBJECT

public:
    ~CalculatorForm() override = default;

    SchemeColours colours() const;

    QString text(const QString& control) const { return m_texts.value(control); }
    bool isEnabled(const QString& control) const { return !m_disabled.contains(control); }
    ButtonLook look(const QString& control) const { return m_looks.value(control, ButtonLook::Scheme); }
    bool isRed(const QString& control) const { return m_red.contains(control); }
    // The frequency list: its items and the chosen one (-1 when none is).
    QString frequencyControl() const { return m_frequencyControl; }
    QStringList frequencyItems() const;
    int frequencyIndex() const { return m_frequencyIndex; }

    // The user typed into a box (the frequency list's text included).
    void typeText(const QString& control, const QString& text);
    // The user picked an item of the frequency list.
    void chooseFrequency(int index);

    // Every button of the window gets the scheme gradient.
    void FormShow();
    virtual void FormActivate() = 0;
    virtual void FormClose() = 0;

signals:
    void changed(const QString& control);

protected:
    CalculatorForm(const CalculatorContext& context, FrequencyTable table, const QString& frequencyControl,
                   QObject* parent);

    // A box the user changed; the frequency list reports as frequencyControl().
    virtual void inputChanged(const QString& control) = 0;
    virtual QStringList buttons() const = 0;

    Settings& settings() const { return m_context.settings; }
    UserPort& port() const { return m_context.port; }
    const CalculatorContext& context() const { return m_context; }
    const Regional& regional() const { return m_context.regional; }

    void setText(const QString& control, const QString& text);
    void setEnabled(const QString& control, bool enabled);
    void setLook(const QString& control, ButtonLook look);
    void setRed(const QString& control, bool red);
    // Selects an item as the program does (-1 clears the list's text).
    void selectFrequency(int index);
    Frequency frequency() const { return frequencyAt(m_table, m_frequencyIndex); }

    // True the first time the window becomes active: the inputs are restored then.
    bool takeFirstActivation();
    // Shows kDataMissing when one of the boxes is empty (tested in this order).
    bool dataMissing(const QStringList& controls);
    void showCalculationError();
    // A box's text as a number; CalculationFailure when it is not one.
    double number(const QString& control) const;
    QString format(double value, NumberStyle style, int precision, int digits) const;

private:
    CalculatorContext m_context;
    FrequencyTable m_table;
    QString m_frequencyControl;
    int m_frequencyIndex = -1;
    QHash<QString, QString> m_texts;
    QSet<QString> m_disabled;
    QHash<QString, ButtonLook> m_looks;
    QSet<QString> m_red;
    bool m_activated = false;
};

} // namespace kelvora
