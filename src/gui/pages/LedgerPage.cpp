#include "gui/pages/LedgerPage.h"

#include "core/ledger/LedgerModel.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelvora {

namespace {
const char* const kNotesHint =
    "Record Notes: Double click to append Date and Time. Right click to Cut/Copy/Paste hilighted text.";
}

LedgerPage::LedgerPage(LedgerModel& model, HandlerGuard& guard, QWidget* parent)
    : PageBase(model.traits().page, guard, parent), m_model(model)
{
    const LedgerTraits& t = model.traits();
    setObjectName(t.tab);
    HeadPanel = makeHeadBand(t.head, model.heading(), this);
    SubHead = makeBand(t.subHead, QString(), this);
    Navigator = new RecordNavigator(model.view(), m_guard, SubHead);
    Navigator->setObjectName(t.navigator);
    auto* subLayout = new QHBoxLayout(SubHead);
    subLayout->setContentsMargins(6, 2, 6, 2);
    subLayout->addStretch();
    subLayout->addWidget(Navigator);

    Grid = makeGrid(model, t.grid);
    Grid->setColumns(model.columns());
    Notes = new DataMemo(model.view(), QStringLiteral("Notes"), m_guard, this);
    Notes->setObjectName(t.notes);
    Notes->setStatusTip(QString::fromLatin1(kNotesHint));
    Notes->setFixedHeight(90);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(HeadPanel);
    layout->addWidget(SubHead);
    layout->addWidget(Grid, 1);
    layout->addWidget(Notes);

    postOnExit(Notes, model);
    addColouredBox(Notes);
}

LedgerKind LedgerPage::kind() const
{
    return m_model.traits().kind;
}

} // namespace kelvora
