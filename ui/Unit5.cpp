// The outcome window: announces a victory or a defeat with a title and a picture.
#include "Unit5.h"

#include "Controls.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr QSize kPictureSize(377, 261);
}

TVictoryForm::TVictoryForm(const kestrune::Messages& msg, const kestrune::Game& game, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_msg(msg), m_game(game)
{
    setObjectName(QStringLiteral("VictoryForm"));
    setWindowTitle(QStringLiteral("VictoryForm"));
    setFixedSize(704, 456);
    setFont(SansSerifFont(11));

    Image1 = new PictureBox(QStringLiteral(":/pictures/victory.svg"), kPictureSize, this);
    Image1->move(24, 72);
    Image2 = new PictureBox(QStringLiteral(":/pictures/blast.svg"), kPictureSize, this);
    Image2->move(56, 88);
    Image3 = new PictureBox(QStringLiteral(":/pictures/nuclear.svg"), kPictureSize, this);
    Image3->move(80, 104);

    TheTitle = new QLabel(QStringLiteral("TheTitle"), this);
    TheTitle->setFont(SansSerifFont(40));
    SetTextColor(TheTitle, Qt::white);
    TheTitle->move(88, 16);
    TheTitle->adjustSize();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(208, 376, 75, 25);
    // Neither default nor cancel: Enter does not dismiss the announcement by accident.
    OKButton->setAutoDefault(false);
    OKButton->setDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &TVictoryForm::OKButtonClick);

    Victory = false;
}

void TVictoryForm::FormShow()
{
    if (Victory) {
        setWindowTitle(QString::fromUtf8(m_msg.MsgWinCaption));
        TheTitle->setText(QString::fromUtf8(m_msg.MsgWinTitle));
        Image1->setVisible(true);
        Image2->setVisible(false);
        Image3->setVisible(false);
    } else {
        setWindowTitle(QString::fromUtf8(m_msg.MsgLoseCaption));
        TheTitle->setText(QString::fromUtf8(m_msg.MsgLoseTitle));
        Image1->setVisible(false);
        Image2->setVisible(!m_game.NuclearMode);
        Image3->setVisible(m_game.NuclearMode);
    }
    TheTitle->adjustSize();
}

void TVictoryForm::OKButtonClick()
{
    close();
}

void TVictoryForm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

void TVictoryForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
    OKButton->setFocus();
}
