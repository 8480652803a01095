#pragma once

#include "gui/widgets/GradientPaint.h"

#include <QColor>
#include <QFrame>
#include <QString>

namespace kelvora {

// A band painted as a gradient with an optional caption. The bands of the pages
// hold other controls and take the user back to the diary when clicked, so the
// panel reports clicks on its own surface (not on its children).
class GradientPanel : public QFrame
{
    Q_OBJECT

public:
    explicit GradientPanel(QWidget* parent = nullptr);

    QColor startColour() const { return m_start; }
    QColor endColour() const { return m_end; }
    void setStartColour(const QColor& colour);
    void setEndColour(const QColor& colour);
    void setColours(const QColor& start, const QColor& end);

    GradientDirection direction() const { return m_direction; }
    void setDirection(GradientDirection direction);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    Qt::Alignment captionAlignment() const { return m_alignment; }
    void setCaptionAlignment(Qt::Alignment alignment);

    // An invalid colour (the default) picks black or white against the gradient
    // under the caption; any valid colour is used as given.
    QColor captionColour() const { return m_captionColour; }
    void setCaptionColour(const QColor& colour);
    QColor effectiveCaptionColour() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect captionRect() const;

    QColor m_start;
    QColor m_end;
    GradientDirection m_direction = GradientDirection::Horizontal;
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    QColor m_captionColour;
    bool m_pressed = false;
};

} // namespace kelvora
