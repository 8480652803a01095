#include "gui/dialogs/selection/TFilterForm.h"

#include "core/app/MainModel.h"
#include "core/clients/ClientsModel.h"
#include "core/ledger/LedgerModel.h"
#include "core/settings/ColourScheme.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kelvora {

TFilterForm::TFilterForm(const ColourScheme& scheme, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFilterForm"));
    setModal(true);
    const QColor grad1 = toQColor(scheme.bandStart);
    const QColor grad2 = toQColor(scheme.bandEnd);

    HeadPanel = new GradientPanel(this);
    HeadPanel->setObjectName(QStringLiteral("HeadPanel"));
    HeadPanel->setColours(grad1, grad2);
    HeadPanel->setDirection(GradientDirection::Diagonal);
    QFont bold = HeadPanel->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    HeadPanel->setFont(bold);
    HeadPanel->setFixedHeight(40);

    Hinter = new QTextEdit(this);
    Hinter->setObjectName(QStringLiteral("Hinter"));
    Hinter->setReadOnly(true);
    Hinter->setFocusPolicy(Qt::NoFocus); // the keys stay with the two boxes
    Hinter->setStyleSheet(QStringLiteral("QTextEdit { background: %1; }").arg(toQColor(scheme.input).name()));

    FootPanel = new GradientPanel(this);
    FootPanel->setObjectName(QStringLiteral("FootPanel"));
    FootPanel->setColours(grad1, grad2);
    FootPanel->setDirection(GradientDirection::Diagonal);
    ExpSel = new QComboBox(FootPanel);
    ExpSel->setObjectName(QStringLiteral("ExpSel"));
    ExpSel->setEditable(true);
    ExpSel->setInsertPolicy(QComboBox::NoInsert);
    ExpSel->setMaxVisibleItems(20);
    ExpSel->setMinimumWidth(150);
    ExpSel->setStatusTip(QStringLiteral("Field (Grid column) to search - Where to look."));
    ExpSel->setToolTip(ExpSel->statusTip());
    auto* filterLab = new QLabel(QStringLiteral("Filter"), FootPanel);
    ExpFilter = new QLineEdit(FootPanel);
    ExpFilter->setObjectName(QStringLiteral("ExpFilter"));
    ExpFilter->setStatusTip(QStringLiteral("Records (grid rows) to show - What to look for."));
    ExpFilter->setToolTip(ExpFilter->statusTip());
    ExpFilter->setMinimumWidth(180);
    SecondLab = new QLabel(QStringLiteral("Second"), FootPanel);
    SecondLab->setObjectName(QStringLiteral("SecondLab"));
    SecondLab->hide();
    for (QLabel* label : {filterLab, SecondLab})
        label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    auto* foot = new QHBoxLayout(FootPanel);
    foot->setContentsMargins(12, 8, 12, 8);
    foot->addWidget(SecondLab);
    foot->addWidget(ExpSel);
    foot->addSpacing(8);
    foot->addWidget(filterLab);
    foot->addWidget(ExpFilter, 1);

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
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(HeadPanel);
    layout->addWidget(Hinter, 1);
    layout->addWidget(FootPanel);
    layout->addLayout(buttons);
    setFixedSize(620, 460);

    connect(ExpSel, &QComboBox::activated, ExpFilter, [this] { ExpFilter->setFocus(); });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFilterForm::setFieldItems(const QStringList& items)
{
    ExpSel->clear();
    ExpSel->addItems(items);
    ExpSel->setCurrentIndex(-1);
    ExpSel->setEditText(QString());
}

void TFilterForm::showTexts(const FilterStage& stage)
{
    setWindowTitle(stage.caption);
    HeadPanel->setCaption(stage.heading);
    HeadPanel->setCaptionColour(stage.secondStage ? Qt::black : Qt::white);
    SecondLab->setVisible(stage.secondStage);
    Hinter->clear();
    for (const QString& line : stage.hintLines) {
        Hinter->append(line);
        Hinter->setAlignment(Qt::AlignCenter);
    }
}

bool TFilterForm::showStage(const FilterStage& stage)
{
    showTexts(stage);
    ExpSel->setFocus();
    return exec() == QDialog::Accepted;
}

QString TFilterForm::fieldText() const
{
    return ExpSel->currentText();
}

QString TFilterForm::filterText() const
{
    return ExpFilter->text();
}

namespace {
// The clients and ledger page models offer the same view, selection and tags.
template <class PageModelT> void dualFieldFilter(PageModelT* page, MainModel& model, HandlerGuard& guard, QWidget* parent)
{
    if (!page)
        return;
    guard.run([&] {
        TFilterForm form(model.colourScheme(), parent);
        DualFieldFilter(page->selection().page(), page->view(), page->selection(), page->tagTools(), model.port())
            .run(form);
    });
}
} // namespace

void TFilterForm::DualFieldClientFiltering1Click(MainModel& model, HandlerGuard& guard, QWidget* parent)
{
    dualFieldFilter(model.clientsModel(), model, guard, parent);
}

void TFilterForm::ComplexExpenseFilteringClick(MainModel& model, HandlerGuard& guard, QWidget* parent)
{
    dualFieldFilter(model.expensesModel(), model, guard, parent);
}

void TFilterForm::ComplexIncomeFilteringClick(MainModel& model, HandlerGuard& guard, QWidget* parent)
{
    dualFieldFilter(model.incomeModel(), model, guard, parent);
}

} // namespace kelvora
