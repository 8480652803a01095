#include "gui/pages/ClientsPage.h"

#include "core/clients/ClientsModel.h"
#include "gui/pages/ClientPicture.h"
#include "gui/pages/PageGrid.h"
#include "gui/pages/parts/SelectionBar.h"
#include "gui/pages/parts/TagToolsBar.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace kelvora {

namespace {
const char* const kNotesHint =
    "Record Notes: Double click to append Date and Time. Right click to Cut/Copy/Paste hilighted text.";
}

ClientsPage::ClientsPage(ClientsModel& model, HandlerGuard& guard, bool pictureAutoDisplay, QWidget* parent)
    : PageBase(PageId::Clients, guard, parent), m_model(model)
{
    setObjectName(QStringLiteral("TabClients"));
    ClientHead = makeHeadBand(QStringLiteral("ClientHead"), model.heading(), this);
    ClientSubHead = makeBand(QStringLiteral("ClientSubHead"), QString(), this);
    auto* navigator = new RecordNavigator(model.view(), m_guard, ClientSubHead);
    navigator->setObjectName(QStringLiteral("NameNavigator"));
    NamesGrid = makeGrid(model, QStringLiteral("NamesGrid"));
    NamesGrid->setColumns(model.columns());
    NamesGrid->setStatusTip(QStringLiteral("Click Title to sort by current Column"));
    Selector = new SelectionBar(model.selection(), *NamesGrid, m_guard,
                                {"NamesSel", "NamesFilter", "NamesCombo", "AllNamesBtn"}, ClientSubHead);
    auto* subLayout = new QHBoxLayout(ClientSubHead);
    subLayout->setContentsMargins(6, 2, 6, 2);
    Selector->addTo(subLayout);
    subLayout->addStretch();
    subLayout->addWidget(navigator);

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    ClientNotes = new DataMemo(model.view(), QStringLiteral("Notes"), m_guard, Panel2);
    ClientNotes->setObjectName(QStringLiteral("ClientNotes"));
    ClientNotes->setStatusTip(QString::fromLatin1(kNotesHint));
    Pix = new ClientPicture(model, m_guard, pictureAutoDisplay, Panel2);
    Pix->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Pix, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit popupRequested(Pix, Pix->mapToGlobal(pos)); });
    auto* panelLayout = new QHBoxLayout(Panel2);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(ClientNotes, 1);
    panelLayout->addWidget(Pix);
    Panel2->setFixedHeight(150);
    TagBand = makeBand(QStringLiteral("TagBand"), QString(), this);
    TagBar = new TagToolsBar(model.tagTools(), model.notesSearch(), *NamesGrid, *ClientNotes, m_guard, TagBand);
    for (GradientButton* b : TagBar->buttons())
        addButton(b);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ClientHead);
    layout->addWidget(ClientSubHead);
    layout->addWidget(TagBand);
    layout->addWidget(NamesGrid, 1);
    layout->addWidget(Panel2);

    postOnExit(ClientNotes, model);
    stampOnDoubleClick(ClientNotes, model, NoteBox::ClientNotes);
    addColouredBox(ClientNotes);
}

void ClientsPage::shown()
{
    QHeaderView* header = NamesGrid->horizontalHeader();
    header->resizeSection(7, 90);
    for (int column : {11, 12, 13})
        header->resizeSection(column, 98);
}

} // namespace kelvora
