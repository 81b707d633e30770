// Small building blocks of the secondary windows: their fonts, SVG pictures and clickable texts.
#pragma once

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>

class QColor;

// The platform's default sans-serif and monospace faces at a character height in pixels, the
// way the windows were measured.
QFont SansSerifFont(int pixelSize);
QFont MonospaceFont(int pixelSize);

// Gives a widget a solid background of one colour, as the colour samples have.
void FillBackground(QWidget* widget, const QColor& color);
// Sets the colour a label or window draws its text in.
void SetTextColor(QWidget* widget, const QColor& color);

// A picture of a fixed size drawn from an SVG file; a missing file shows nothing.
class PictureBox final : public QWidget {
public:
    PictureBox(const QString& path, QSize size, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_path;
    QPixmap m_pixmap;  // rendered for the ratio of the screen it was last painted on
};

// A label that reports a click of the left button released over it.
class ClickLabel final : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
