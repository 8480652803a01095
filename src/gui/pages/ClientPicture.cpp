#include "gui/pages/ClientPicture.h"

#include "core/clients/ClientsModel.h"
#include "core/store/View.h"
#include "gui/widgets/HandlerGuard.h"

#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

namespace kelvora {

ClientPicture::ClientPicture(ClientsModel& model, HandlerGuard& guard, bool autoDisplay, QWidget* parent)
    : QLabel(parent), m_model(model), m_guard(guard), m_autoDisplay(autoDisplay)
{
    setObjectName(QStringLiteral("Pix"));
    setFixedSize(170, 150);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setStatusTip(QStringLiteral("The client's picture. Click to show it."));
    const auto follow = [this] {
        if (m_autoDisplay)
            showPicture();
        else
            clear();
    };
    connect(&m_model.view(), &View::currentChanged, this, follow);
    connect(&m_model.view(), &View::reset, this, follow);
}

void ClientPicture::showPicture()
{
    const QByteArray bytes = m_model.picture();
    QImage image;
    if (bytes.isEmpty() || !image.loadFromData(bytes)) {
        clear();
        return;
    }
    setPixmap(QPixmap::fromImage(image.scaled(size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void ClientPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        showPicture();
    QLabel::mouseReleaseEvent(event);
}

void ClientPicture::clipboardCopy()
{
    m_model.pictureCopy();
}

void ClientPicture::clipboardCut()
{
    m_model.pictureCut();
    showPicture();
}

void ClientPicture::clipboardPaste()
{
    m_model.picturePaste();
    showPicture();
}

} // namespace kelvora
