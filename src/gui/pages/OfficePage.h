#pragma once

#include "gui/pages/PageBase.h"

#include <QHash>

class QLineEdit;
class QPlainTextEdit;

namespace kelvora {

class GradientPanel;
class OfficeModel;
class Settings;

// The Office page: the owner's business particulars and the important list.
class OfficePage : public PageBase
{
    Q_OBJECT
public:
    OfficePage(OfficeModel& model, const Settings& settings, HandlerGuard& guard, QWidget* parent = nullptr);

    GradientPanel* LocalHead = nullptr;
    GradientPanel* OwnerPanel = nullptr;
    QPlainTextEdit* Impt = nullptr;
    // The boxes by control name (OwnerName, Co, CoDet, ABN, Addr1 ...).
    QLineEdit* box(const QString& control) const { return m_boxes.value(control); }

    void applyColourScheme(const ColourScheme& scheme) override;
    void pageShown() override;
    void scaleWidths(int newWidth, int referenceWidth) override;

private:
    void applyFonts();

    OfficeModel& m_model;
    const Settings& m_settings;
    QHash<QString, QLineEdit*> m_boxes;
};

} // namespace kelvora
