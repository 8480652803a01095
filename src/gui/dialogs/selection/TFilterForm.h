#pragma once

#include "core/selection/DualFieldFilter.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace kelvora {

class GradientPanel;
class HandlerGuard;
class MainModel;
struct ColourScheme;

// The dual-field filter window, shown once per stage: a heading, the hint
// lines, and the field and filter boxes that keep their entries between the
// two stages.
class TFilterForm : public QDialog, public FilterWindow
{
    Q_OBJECT
public:
    TFilterForm(const ColourScheme& scheme, QWidget* parent = nullptr);

    // The three "Filter" menu items; the page is made current by the caller.
    static void DualFieldClientFiltering1Click(MainModel& model, HandlerGuard& guard, QWidget* parent);
    static void ComplexExpenseFilteringClick(MainModel& model, HandlerGuard& guard, QWidget* parent);
    static void ComplexIncomeFilteringClick(MainModel& model, HandlerGuard& guard, QWidget* parent);

    // Shows the stage without waiting (tests look at it; showStage waits).
    void showTexts(const FilterStage& stage);

    void setFieldItems(const QStringList& items) override;
    bool showStage(const FilterStage& stage) override;
    QString fieldText() const override;
    QString filterText() const override;

    GradientPanel* HeadPanel = nullptr;
    QTextEdit* Hinter = nullptr;
    GradientPanel* FootPanel = nullptr;
    QComboBox* ExpSel = nullptr;
    QLineEdit* ExpFilter = nullptr;
    QLabel* SecondLab = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
};

} // namespace kelvora
