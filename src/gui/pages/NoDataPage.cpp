#include "gui/pages/NoDataPage.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kelvora {

NoDataPage::NoDataPage(PageId id, const QString& objectName, HandlerGuard& guard, QWidget* parent)
    : PageBase(id, guard, parent)
{
    setObjectName(objectName);
    auto* label = new QLabel(QStringLiteral("The database could not be opened, so there are no records to show.\n"
                                            "The error log in the data folder says why."),
                             this);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

} // namespace kelvora
