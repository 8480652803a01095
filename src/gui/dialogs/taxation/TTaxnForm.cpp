#include "gui/dialogs/taxation/TTaxnForm.h"

#include "core/ledger/LedgerModel.h"
#include "core/settings/AppFolders.h"
#include "core/settings/ColourScheme.h"
#include "core/settings/Settings.h"
#include "gui/dialogs/calculators/PreviewReportRunner.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPaint.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace kelvora {

namespace {
const QString kHeadPanel = QStringLiteral("HeadPanel");
}

void TTaxnForm::TaxnBtn1Click(LedgerModel& page, HandlerGuard& guard, QWidget* parent)
{
    LedgerModel* expenses = page.expensesLedger();
    LedgerModel* income = page.incomeLedger();
    if (!expenses || !income)
        return;
    guard.run([&] {
        TaxnController::sumBoth(*expenses, *income);
        const Settings& settings = expenses->context().settings;
        PreviewReportRunner preview(AppFolders::of(settings.locations()), expenses->context().regional,
                                    guard.port());
        TTaxnForm form(*expenses, *income, guard, &preview, parent);
        preview.setParentWindow(&form);
        form.exec();
    });
}

TTaxnForm::TTaxnForm(LedgerModel& expenses, LedgerModel& income, HandlerGuard& guard,
                     CalculatorReportRunner* reports, QWidget* parent)
    : QDialog(parent), m_model(expenses, income, reports), m_guard(guard)
{
    setObjectName(QStringLiteral("TTaxnForm"));
    setWindowTitle(TaxnController::kCaption);
    setModal(true);
    QFont plain(QStringLiteral("Tahoma"));
    plain.setPixelSize(13);
    setFont(plain);

    const ColourScheme scheme = ColourScheme::fromSettings(expenses.context().settings);
    const QColor grad1 = toQColor(scheme.bandStart);
    const QColor grad2 = toQColor(scheme.bandEnd);
    m_input = toQColor(scheme.input);

    HeadPanel = new GradientPanel(this);
    HeadPanel->setObjectName(kHeadPanel);
    HeadPanel->setColours(grad1, grad2);
    HeadPanel->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    HeadPanel->setMinimumHeight(52);
    QFont headFont = plain;
    headFont.setBold(true);
    headFont.setPixelSize(17);
    HeadPanel->setFont(headFont);
    auto* head = new QHBoxLayout(HeadPanel);
    head->setContentsMargins(12, 8, 12, 8);
    head->addStretch();
    const auto headButton = [this, &head, &grad1, &grad2](const char* name, const char* caption, const char* hint) {
        auto* b = new GradientButton(QString::fromLatin1(caption), HeadPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->setStatusTip(QString::fromLatin1(hint));
        b->setToolTip(QString::fromLatin1(hint));
        b->setColours(grad2, grad1);
        b->setMinimumWidth(84);
        QFont f = font();
        f.setBold(true);
        b->setFont(f);
        head->addWidget(b);
        return b;
    };
    PrintBtn = headButton("PrintBtn", "Print", "Preview and Print Taxation Summary.");
    DoneBtn = headButton("DoneBtn", "Done", "Close the form.");
    connect(PrintBtn, &QPushButton::clicked, this, [this] { run([this] { m_model.PrintBtnClick(); }); });
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);

    BodyPanel = new GradientPanel(this);
    BodyPanel->setObjectName(QStringLiteral("BodyPanel"));
    BodyPanel->setColours(grad1, grad2);
    BodyPanel->setDirection(GradientDirection::Vertical);
    auto* body = new QVBoxLayout(BodyPanel);
    body->setContentsMargins(18, 12, 18, 12);
    auto* sides = new QHBoxLayout;
    sides->setSpacing(36);
    for (LedgerKind kind : {LedgerKind::Expenses, LedgerKind::Income}) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(4);
        buildSide(TaxnController::side(kind), grid);
        sides->addLayout(grid);
        sides->setAlignment(grid, Qt::AlignTop);
    }
    body->addLayout(sides);
    Problem = new QLabel(BodyPanel);
    Problem->setObjectName(QStringLiteral("Problem"));
    Problem->setStyleSheet(QStringLiteral("QLabel { color: #c00000; background: #fff4f4; padding: 3px; "
                                          "font-weight: bold; }"));
    Problem->setVisible(false);
    body->addWidget(Problem);
    body->addStretch();

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(HeadPanel);
    layout->addWidget(BodyPanel, 1);
    layout->addWidget(StatusBar);

    // The window follows the figures from the start, not only once it is active.
    run([this] { m_model.FormActivate(); });
    refresh();
}

QLabel* TTaxnForm::addLabel(QGridLayout* grid, int row, int column, const QString& name, const QString& text,
                            bool bold)
{
    auto* label = new QLabel(text, BodyPanel);
    if (!name.isEmpty()) {
        label->setObjectName(name);
        m_controls.insert(name, label);
    }
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText,
               gradientpaint::contrastingText(gradientpaint::colourAt(BodyPanel->startColour(),
                                                                      BodyPanel->endColour(), 0.3)));
    label->setPalette(p);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    grid->addWidget(label, row, column);
    return label;
}

QLineEdit* TTaxnForm::addBox(QGridLayout* grid, int row, int column, const QString& name, const QString& hint,
                             bool input)
{
    auto* edit = new QLineEdit(BodyPanel);
    edit->setObjectName(name);
    edit->setStatusTip(hint);
    edit->setToolTip(hint);
    edit->setAlignment(Qt::AlignRight);
    edit->setReadOnly(!input);
    if (input) {
        edit->setFixedWidth(56);
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, m_input);
        edit->setPalette(p);
        connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            run([&] { m_model.typePercent(name, text); });
            refresh();
        });
    } else {
        edit->setMinimumWidth(column == 2 ? 56 : 118);
        edit->setFocusPolicy(Qt::ClickFocus);
    }
    m_controls.insert(name, edit);
    grid->addWidget(edit, row, column);
    return edit;
}

void TTaxnForm::buildSide(const TaxnSide& s, QGridLayout* grid)
{
    int row = 0;
    addLabel(grid, row, 1, {}, s.heading, true)->setAlignment(Qt::AlignCenter);
    addLabel(grid, row, 2, {}, s.percentHeading, true)->setAlignment(Qt::AlignCenter);
    addLabel(grid, row, 3, {}, s.resultHeading, true)->setAlignment(Qt::AlignCenter);
    for (const TaxnRow& r : s.rows) {
        ++row;
        addLabel(grid, row, 0, r.labelName, r.label);
        addBox(grid, row, 1, r.totalBox, s.totalHint);
        addBox(grid, row, 2, r.percentBox, s.percentHint, true);
        addBox(grid, row, 3, r.resultBox, s.resultHint);
    }
    // The shorter side keeps empty rows, so both sides' totals stand on one line.
    const qsizetype longest = std::max(TaxnController::side(LedgerKind::Expenses).rows.size(),
                                       TaxnController::side(LedgerKind::Income).rows.size());
    const int boxHeight = QLineEdit().sizeHint().height();
    while (row < longest) {
        ++row;
        grid->setRowMinimumHeight(row, boxHeight);
    }
    ++row;
    grid->setRowMinimumHeight(row, 8);
    ++row;
    addLabel(grid, row, 0, {}, QStringLiteral("Totals"), true);
    addBox(grid, row, 1, s.totalsBox, QString());
    addBox(grid, row, 2, s.countBox, QStringLiteral("Number of records."));
    addBox(grid, row, 3, s.resultsBox, QString());
    ++row;
    addLabel(grid, row, 0, s.taxLabel, QString());
    addBox(grid, row, 1, s.taxBox, QString());
    ++row;
    addLabel(grid, row, 0, {}, QStringLiteral("Gross"));
    addBox(grid, row, 1, s.grossBox, QString());
    ++row;
    addLabel(grid, row, 0, s.balanceLabel, QString(), true);
    addBox(grid, row, 1, s.balanceBox, s.balanceHint);
    grid->setColumnStretch(0, 1);
}

void TTaxnForm::refresh()
{
    HeadPanel->setCaption(m_model.text(kHeadPanel));
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        const QString text = m_model.text(it.key());
        if (auto* edit = qobject_cast<QLineEdit*>(it.value())) {
            if (edit->text() != text)
                edit->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(it.value())) {
            label->setText(text);
        }
    }
    for (const QString& box : {QStringLiteral("Balance"), QStringLiteral("GSTBal")}) {
        QWidget* edit = m_controls.value(box);
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, m_model.isNegative(box) ? Qt::red : Qt::blue);
        edit->setPalette(p);
    }
    // The box that stopped the figures shows it, and so does the line below them.
    for (LedgerKind kind : {LedgerKind::Expenses, LedgerKind::Income}) {
        for (const TaxnRow& r : TaxnController::side(kind).rows) {
            QWidget* edit = m_controls.value(r.percentBox);
            QPalette p = edit->palette();
            p.setColor(QPalette::Text, r.percentBox == m_model.problemBox() ? Qt::red : Qt::black);
            edit->setPalette(p);
        }
    }
    Problem->setText(m_model.problem());
    Problem->setVisible(!m_model.problem().isEmpty());
}

void TTaxnForm::run(const std::function<void()>& handler)
{
    m_guard.run(handler);
}

bool TTaxnForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        StatusBar->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::WindowActivate) {
        run([this] { m_model.FormActivate(); });
        refresh();
    }
    return QDialog::event(event);
}

void TTaxnForm::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        run([this] { m_model.FormClose(); });
    }
    QDialog::done(result);
}

} // namespace kelvora
