#pragma once

#include <QColor>
#include <QPushButton>

namespace kelvora {

// A rounded push button painted with a vertical gradient. Hover lightens it,
// pressing darkens it and shifts the caption, the focus shows as a dotted ring.
class GradientButton : public QPushButton
{
    Q_OBJECT

public:
    explicit GradientButton(QWidget* parent = nullptr);
    explicit GradientButton(const QString& text, QWidget* parent = nullptr);

    // The neutral look the pressed-look flip alternates with.
    static QColor silver() { return QColor(0xC0, 0xC0, 0xC0); }
    static QColor grey() { return QColor(0x80, 0x80, 0x80); }

    QColor startColour() const { return m_start; }
    QColor endColour() const { return m_end; }
    void setStartColour(const QColor& colour);
    void setEndColour(const QColor& colour);
    void setColours(const QColor& start, const QColor& end);

    // Start colour: silver <-> grad2, end colour: grey <-> grad1. Purely visual:
    // it tells the user the press registered and has no other effect.
    void flipPressedLook(const QColor& grad1, const QColor& grad2);

    int cornerRadius() const { return m_radius; }
    void setCornerRadius(int radius);

    // An invalid colour (the default) picks black or white against the gradient.
    QColor captionColour() const { return m_captionColour; }
    void setCaptionColour(const QColor& colour);
    QColor effectiveCaptionColour() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_start;
    QColor m_end;
    QColor m_captionColour;
    int m_radius = 6;
};

} // namespace kelvora
