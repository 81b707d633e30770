// Small building blocks of the secondary windows: their fonts, SVG pictures and clickable texts.
#include "Controls.h"

#include "Pictures.h"

#include <QColor>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

QFont SansSerifFont(int pixelSize)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QFont MonospaceFont(int pixelSize)
{
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    return font;
}

void FillBackground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

PictureBox::PictureBox(const QString& path, QSize size, QWidget* parent) : QWidget(parent), m_path(path)
{
    setFixedSize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_pixmap.isNull() || m_pixmap.devicePixelRatio() != ratio) {
        m_pixmap = SvgPixmap(m_path, size(), ratio);
        if (m_pixmap.isNull())
            return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click && onClick)
        onClick();
}
