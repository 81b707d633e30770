// The about box: the game's title, picture, version, author and a link to its home page.
#include "Unit2.h"

#include "Controls.h"
#include "WebPages.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kLabel1Right = 384;
constexpr int kLabel6Right = 472;

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    SetTextColor(label, Qt::white);
    label->move(x, y);
    label->adjustSize();
    return label;
}

void SetRightAligned(QLabel* label, const QString& text, int right)
{
    label->setText(text);
    label->adjustSize();
    label->move(right - label->width(), label->y());
}

}  // namespace

TAboutBox::TAboutBox(Seam& seam, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_seam(seam)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About game"));
    setFixedSize(539, 241);
    setFont(SansSerifFont(11));

    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(8, 8, 521, 225);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setLineWidth(1);
    QPalette bevel = Bevel1->palette();
    bevel.setColor(QPalette::Light, Qt::white);
    bevel.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    Bevel1->setPalette(bevel);

    Label1 = MakeLabel(this, QStringLiteral("Version:"), 0, 88);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetRightAligned(Label1, Label1->text(), kLabel1Right);

    Label2 = MakeLabel(this, QString(), 392, 88);

    Label3 = new QLabel(QStringLiteral("Kestrune for Windows"), this);
    Label3->setFont(SansSerifFont(19));
    SetTextColor(Label3, Qt::blue);
    Label3->move(288, 24);
    Label3->adjustSize();

    Image1 = new PictureBox(QStringLiteral(":/pictures/aboutbox.svg"), QSize(180, 120), this);
    Image1->move(64, 24);

    Label4 = MakeLabel(this, QStringLiteral("The author: Orlaine"), 88, 168);
    Label5 = MakeLabel(this, QStringLiteral("FREEWARE"), 120, 200);

    Label6 = MakeLabel(this, QStringLiteral("a free game"), 0, 56);
    Label6->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetRightAligned(Label6, Label6->text(), kLabel6Right);

    Label7 = new ClickLabel(QStringLiteral("Home page (in Russian)"), this);
    QFont link = font();
    link.setUnderline(true);
    Label7->setFont(link);
    SetTextColor(Label7, Qt::blue);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->move(288, 120);
    Label7->adjustSize();
    Label7->onClick = [this] { Label7Click(); };

    CloseButton = new QPushButton(QStringLiteral("OK"), this);
    CloseButton->setFont(SansSerifFont(40));
    CloseButton->setGeometry(360, 152, 121, 57);
    connect(CloseButton, &QPushButton::clicked, this, &TAboutBox::CloseButtonClick);

    Label2->setText(QStringLiteral("0.8.1.88"));
    Label2->adjustSize();
}

void TAboutBox::SetTexts(const char* version, const char* author, const char* freeGame)
{
    SetRightAligned(Label1, QString::fromUtf8(version), kLabel1Right);
    Label4->setText(QString::fromUtf8(author));
    Label4->adjustSize();
    SetRightAligned(Label6, QString::fromUtf8(freeGame), kLabel6Right);
}

void TAboutBox::CloseButtonClick()
{
    close();
}

void TAboutBox::Label7Click()
{
    m_seam.OpenUrl(QString::fromLatin1(kestrune::kHomePage));
}

void TAboutBox::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CloseButton->setFocus();
}
