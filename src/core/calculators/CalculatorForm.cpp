#include "core/calculators/CalculatorForm.h"

#include "core/calculators/Calculation.h"
#include "core/format/ColourText.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"

namespace kelvora {

namespace {

quint32 schemeColour(const Settings& settings, const QString& key, quint32 fallback)
{
    return parseColourText(settings.value(key)).value_or(fallback);
}

} // namespace

CalculatorForm::CalculatorForm(const CalculatorContext& context, FrequencyTable table,
                               const QString& frequencyControl, QObject* parent)
    : QObject(parent), m_context(context), m_table(table), m_frequencyControl(frequencyControl)
{
}

SchemeColours CalculatorForm::colours() const
{
    // A damaged colour text falls back to the scheme's defaults rather than black.
    return SchemeColours{
        schemeColour(settings(), QStringLiteral("Grad1Str"), colourFromRgb(0, 0, 0xFF)),
        schemeColour(settings(), QStringLiteral("Grad2Str"), colourFromRgb(0, 0xFF, 0)),
        schemeColour(settings(), QStringLiteral("Grad3Str"), colourFromRgb(0xFF, 0xFF, 0xBB))};
}

QStringList CalculatorForm::frequencyItems() const
{
    return kelvora::frequencyItems(m_table);
}

void CalculatorForm::typeText(const QString& control, const QString& text)
{
    if (control == m_frequencyControl) {
        m_frequencyIndex = frequencyIndexOf(m_table, text);
        setText(control, text);
    } else {
        setText(control, text);
    }
    inputChanged(control);
}

void CalculatorForm::chooseFrequency(int index)
{
    selectFrequency(index);
    inputChanged(m_frequencyControl);
}

void CalculatorForm::FormShow()
{
    for (const QString& button : buttons())
        setLook(button, ButtonLook::Scheme);
}

void CalculatorForm::setText(const QString& control, const QString& text)
{
    auto it = m_texts.find(control);
    if (it != m_texts.end() && *it == text)
        return;
    m_texts.insert(control, text);
    emit changed(control);
}

void CalculatorForm::setEnabled(const QString& control, bool enabled)
{
    if (enabled == isEnabled(control))
        return;
    if (enabled)
        m_disabled.remove(control);
    else
        m_disabled.insert(control);
    emit changed(control);
}

void CalculatorForm::setLook(const QString& control, ButtonLook look)
{
    if (m_looks.contains(control) && m_looks.value(control) == look)
        return;
    m_looks.insert(control, look);
    emit changed(control);
}

void CalculatorForm::setRed(const QString& control, bool red)
{
    if (red == isRed(control))
        return;
    if (red)
        m_red.insert(control);
    else
        m_red.remove(control);
    emit changed(control);
}

void CalculatorForm::selectFrequency(int index)
{
    const QStringList items = frequencyItems();
    m_frequencyIndex = index >= 0 && index < items.size() ? index : -1;
    const QString text = m_frequencyIndex >= 0 ? items.at(m_frequencyIndex) : QString();
    if (m_texts.value(m_frequencyControl) == text && m_texts.contains(m_frequencyControl))
        emit changed(m_frequencyControl); // the index may have changed under the same text
    else
        setText(m_frequencyControl, text);
}

bool CalculatorForm::takeFirstActivation()
{
    const bool first = !m_activated;
    m_activated = true;
    return first;
}

bool CalculatorForm::dataMissing(const QStringList& controls)
{
    for (const QString& control : controls) {
        if (text(control).isEmpty()) {
            port().showMessage(kDataMissing);
            return true;
        }
    }
    return false;
}

void CalculatorForm::showCalculationError()
{
    port().messageDlg(kCalculationError, MsgType::Error, MsgButton::Retry);
}

double CalculatorForm::number(const QString& control) const
{
    return calcNumber(text(control), regional());
}

QString CalculatorForm::format(double value, NumberStyle style, int precision, int digits) const
{
    return formatFloat(value, style, precision, digits, regional());
}

} // namespace kelvora
