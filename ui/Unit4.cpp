// The hidden console: a typed word opens a web page, opens or saves a game, or arms NuclearMode.
#include "Unit4.h"

#include "Controls.h"
#include "Pictures.h"
#include "WebPages.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

namespace kestrune {

bool GroupMatches(const ConsoleGroup& group, QStringView text)
{
    return std::any_of(group.words.begin(), group.words.end(), [&](std::u16string_view word) {
        const QStringView w(word.data(), qsizetype(word.size()));
        return group.match == ConsoleMatch::Contains ? text.contains(w) : text == w;
    });
}

}  // namespace kestrune

namespace {

QIcon ConsoleIcon()
{
    const QString path = QStringLiteral(":/pictures/console.svg");
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = SvgPixmap(path, QSize(16, 16), ratio);
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

TCheatForm::TCheatForm(kestrune::Game& game, Seam& seam, std::function<void()> openGame,
                       std::function<void()> saveGame, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_game(game),
      m_seam(seam),
      m_openGame(std::move(openGame)),
      m_saveGame(std::move(saveGame))
{
    setObjectName(QStringLiteral("CheatForm"));
    setWindowTitle(QStringLiteral("cheat"));
    setFixedSize(297, 55);
    setFont(SansSerifFont(11));

    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(16, 16, 217, 24);
    Edit1->setFont(MonospaceFont(13));
    QPalette palette = Edit1->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, QColor(0x00, 0xFF, 0x00));
    Edit1->setPalette(palette);
    Edit1->installEventFilter(this);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setGeometry(248, 16, 33, 25);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setIcon(ConsoleIcon());
    SpeedButton1->setIconSize(QSize(16, 16));
    SpeedButton1->setToolTip(QStringLiteral("!!!"));
    connect(SpeedButton1, &QToolButton::clicked, this, &TCheatForm::SpeedButton1Click);
}

void TCheatForm::SpeedButton1Click()
{
    const QString text = Edit1->text().toLower();
    for (const kestrune::ConsoleGroup& group : kestrune::kConsoleGroups) {
        if (kestrune::GroupMatches(group, text))
            Run(group.action);
    }
    Edit1->clear();
    close();
}

bool TCheatForm::Edit1KeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    SpeedButton1Click();
    return true;
}

bool TCheatForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress)
        return Edit1KeyDown(static_cast<QKeyEvent*>(event)->key());
    return QDialog::eventFilter(watched, event);
}

void TCheatForm::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}

void TCheatForm::Run(kestrune::ConsoleAction action)
{
    using kestrune::ConsoleAction;
    switch (action) {
    case ConsoleAction::SitePage:
        m_seam.OpenUrl(QString::fromLatin1(kestrune::kSitePage));
        break;
    case ConsoleAction::FirstProfilePage:
        m_seam.OpenUrl(QString::fromLatin1(kestrune::kFirstProfilePage));
        break;
    case ConsoleAction::SecondProfilePage:
        m_seam.OpenUrl(QString::fromLatin1(kestrune::kSecondProfilePage));
        break;
    case ConsoleAction::NewspaperPage:
        m_seam.OpenUrl(QString::fromLatin1(kestrune::kNewspaperPage));
        break;
    case ConsoleAction::OpenGame:
        if (m_openGame)
            m_openGame();
        break;
    case ConsoleAction::SaveGame:
        if (m_saveGame)
            m_saveGame();
        break;
    case ConsoleAction::NuclearMode:
        m_game.NuclearMode = true;
        break;
    }
}
