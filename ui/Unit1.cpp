// The main window: builds the controls, routes each command to the part that owns it, and keeps
// the client-sized canvas the board is drawn into.
#include "Unit1.h"

#include "Language.h"
#include "Painting.h"
#include "Pictures.h"
#include "SettingsStore.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kClientWidth = 754;
constexpr int kClientHeight = 401;
constexpr int kToolBarWidth = 41;
constexpr QSize kButtonSize(39, 38);
constexpr QSize kButtonPicture(32, 32);
constexpr int kFontPixels = 11;

constexpr const char* kButtonPictures[6] = {
    ":/pictures/start.svg", ":/pictures/stop.svg", ":/pictures/about.svg",
    ":/pictures/options.svg", ":/pictures/save.svg", ":/pictures/open.svg",
};

// A right-aligned label grows to the left: it keeps its right edge as its text changes.
void SetRightAligned(QLabel* label, const QString& text, int rightEdge)
{
    label->setText(text);
    label->adjustSize();
    label->move(rightEdge - label->width(), label->y());
}

// A button without a caption is announced by its hint, so both follow the language together.
void SetHint(QToolButton* button, const QString& hint)
{
    button->setToolTip(hint);
    button->setAccessibleName(hint);
}

int QtButtonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return kestrune::kLeftButton;
    case Qt::RightButton:
        return kestrune::kRightButton;
    case Qt::MiddleButton:
        return kestrune::kMiddleButton;
    default:
        return 3;
    }
}

}  // namespace

TForm1::TForm1(Seam& seam, QWidget* parent)
    : QWidget(parent)
    , m_seam(seam)
    , m_game(*this, Settings, Msg)
{
    BuildControls();
    Settings.Lang = 0;
    Registry = std::make_unique<kestrune::Registry>();
    ComboBox1->setCurrentIndex(0);
    AboutBox = new TAboutBox(m_seam, this);
    Form3 = new TForm3(Settings, Msg, m_seam, [this] { SaveSettings(); }, this);
    LoadSettings();
    ApplyLanguage();
    {
        const QSignalBlocker quiet(ComboBox2);
        ComboBox2->setCurrentIndex(Settings.Lang >= 0 && Settings.Lang < ComboBox2->count() ? Settings.Lang : -1);
    }
    m_game.Exploded = false;
    m_game.NuclearMode = false;
}

TForm1::~TForm1() = default;

void TForm1::BuildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kestrune for Windows"));
    setAccessibleName(windowTitle());
    resize(kClientWidth, kClientHeight);
    move(195, 115);

    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font = this->font();
    font.setPixelSize(kFontPixels);
    setFont(font);

    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setAutoFillBackground(true);
    QPalette face = QApplication::palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    bar->setPalette(face);
    bar->setGeometry(0, 0, kToolBarWidth, kClientHeight);
    ToolBar1 = bar;
    QToolButton** buttons[6] = {&ToolButton1, &ToolButton2, &ToolButton3, &ToolButton4, &ToolButton5, &ToolButton6};
    for (int n = 0; n < 6; ++n) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QStringLiteral("ToolButton%1").arg(n + 1));
        button->setGeometry(0, 2 + n * kButtonSize.height(), kButtonSize.width(), kButtonSize.height());
        button->setAutoRaise(true);
        button->setIconSize(kButtonPicture);
        button->setIcon(QIcon(SvgPixmap(QString::fromLatin1(kButtonPictures[n]), kButtonPicture, devicePixelRatioF())));
        button->setFocusPolicy(Qt::NoFocus);
        *buttons[n] = button;
    }
    connect(ToolButton1, &QToolButton::clicked, this, &TForm1::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TForm1::ToolButton2Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TForm1::ToolButton3Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TForm1::ToolButton4Click);
    connect(ToolButton5, &QToolButton::clicked, this, &TForm1::ToolButton5Click);
    connect(ToolButton6, &QToolButton::clicked, this, &TForm1::ToolButton6Click);

    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setPalette(white);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setGeometry(110, 16, 18, 13);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setPalette(white);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setGeometry(283, 16, 85, 13);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(136, 8, 81, 21);
    for (int n = kestrune::Board::kMinSize; n <= kestrune::Board::kMaxSize; ++n)
        ComboBox1->addItem(QStringLiteral("%1x%1x%1x%1").arg(n));

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(376, 8, 145, 21);
    for (const char* name : kestrune::kLanguageNames)
        ComboBox2->addItem(QString::fromUtf8(name));
    connect(ComboBox2, &QComboBox::activated, this, &TForm1::ComboBox2Change);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(48, 48, 32, 200);
    Image1->setPixmap(SvgPixmap(QStringLiteral(":/pictures/title.svg"), QSize(32, 200), devicePixelRatioF()));
    Image1->setAccessibleName(QStringLiteral("Kestrune"));
    Image1->installEventFilter(this);

    const QString filter = FilterFromPipes(QString::fromLatin1(kestrune::kSavedGameFilter));
    SaveDialog1 = {QString(), filter, QString::fromLatin1(kestrune::kSavedGameSuffix)};
    OpenDialog1 = SaveDialog1;
}

void TForm1::SetWindows(TCheatForm* cheatForm, TVictoryForm* victoryForm)
{
    m_cheatForm = cheatForm;
    m_victoryForm = victoryForm;
}

kestrune::Geometry TForm1::geometry() const
{
    return kestrune::Geometry(Settings.CellSize, m_game.BoardSize);
}

// --- Commands ---------------------------------------------------------------------------------

void TForm1::ToolButton1Click()
{
    m_game.Start();
}

void TForm1::ToolButton2Click()
{
    m_game.Stop();
}

void TForm1::FormMouseUp(Qt::MouseButton button, int x, int y)
{
    m_game.FormMouseUp(QtButtonCode(button), x, y);
}

void TForm1::FormPaint()
{
    if (m_game.InGame)
        PaintBoard();
    else
        ClearBoardArea();
}

void TForm1::FormClose()
{
    if (m_game.InGame) {
        m_game.FreeBoard();
        SetSizeBoxEnabled(true);
    }
    delete AboutBox;
    AboutBox = nullptr;
    delete Form3;
    Form3 = nullptr;
    Registry.reset();
}

void TForm1::ComboBox2Change()
{
    Settings.Lang = ComboBox2->currentIndex();
    ApplyLanguage();
    SaveSettings();
}

void TForm1::ToolButton3Click()
{
    if (AboutBox)
        m_seam.ShowModal(*AboutBox);
}

void TForm1::ToolButton4Click()
{
    if (!Form3)
        return;
    if (m_game.InGame)
        ClearBoardArea();
    m_seam.ShowModal(*Form3);
    if (m_game.InGame)
        PaintBoard();
}

void TForm1::ToolButton5Click()
{
    kestrune::SaveGameCommand(m_game, static_cast<SavedGameHost&>(*this));
}

void TForm1::ToolButton6Click()
{
    kestrune::OpenGameCommand(m_game, static_cast<SavedGameHost&>(*this));
}

void TForm1::Image1Click()
{
    if (m_cheatForm)
        m_seam.ShowModal(*m_cheatForm);
}

// --- Settings and language --------------------------------------------------------------------

void TForm1::LoadSettings()
{
    if (Registry)
        kestrune::LoadSettings(*Registry, Settings, m_seam);
}

void TForm1::SaveSettings()
{
    if (Registry)
        kestrune::SaveSettings(*Registry, Settings, m_seam);
}

void TForm1::ApplyLanguage()
{
    using namespace kestrune;
    const int lang = Settings.Lang;
    const auto text = [lang](LangKey key) { return QString::fromUtf8(LanguageText(key, lang)); };
    Msg = MessagesFor(lang);
    SetHint(ToolButton1, text(kToolButton1Hint));
    SetHint(ToolButton2, text(kToolButton2Hint));
    SetRightAligned(Label1, text(kLabel1Caption), 128);
    ComboBox1->setAccessibleName(Label1->text());
    SetRightAligned(Label2, text(kLabel2Caption), 368);
    ComboBox2->setAccessibleName(Label2->text());
    SetHint(ToolButton3, text(kToolButton3Hint));
    SetHint(ToolButton4, text(kToolButton4Hint));
    SetHint(ToolButton5, text(kToolButton5Hint));
    SetHint(ToolButton6, text(kToolButton6Hint));
    if (AboutBox)
        AboutBox->SetTexts(LanguageText(kAboutLabel1Caption, lang), LanguageText(kAboutLabel4Caption, lang),
                           LanguageText(kAboutLabel6Caption, lang));
    if (Form3)
        Form3->SetLanguage(lang);
    SaveDialog1.title = ToolButton5->toolTip();
    OpenDialog1.title = ToolButton6->toolTip();
}

// --- What the rules and the saved-game commands ask of the window -----------------------------

std::optional<kestrune::Cell> TForm1::CellAt(int x, int y) const
{
    return geometry().CellAt(x, y);
}

void TForm1::PaintBoard()
{
    const kestrune::Board* board = m_game.board();
    if (!board)
        return;
    kestrune::Canvas canvas(m_canvas);
    kestrune::PaintBoard(canvas, *board, geometry(), Settings, m_game.Exploded);
    update();
}

void TForm1::ClearBoardArea()
{
    kestrune::Canvas canvas(m_canvas);
    kestrune::ClearBoardArea(canvas, geometry());
    update();
}

void TForm1::SetSizeBoxEnabled(bool enabled)
{
    ComboBox1->setEnabled(enabled);
}

int TForm1::SizeBoxIndex() const
{
    return ComboBox1->currentIndex();
}

void TForm1::ShowOutcome(bool victory)
{
    if (!m_victoryForm)
        return;
    m_victoryForm->Victory = victory;
    m_seam.ShowModal(*m_victoryForm);
}

void TForm1::ShowMessage(std::string_view text, std::string_view caption, int flag)
{
    m_seam.ShowMessage(text, caption, flag);
}

std::optional<QString> TForm1::ChooseSaveFileName()
{
    return m_seam.GetSaveFileName(this, SaveDialog1);
}

std::optional<QString> TForm1::ChooseOpenFileName()
{
    return m_seam.GetOpenFileName(this, OpenDialog1);
}

void TForm1::SelectSizeIndex(int index)
{
    ComboBox1->setCurrentIndex(index);
}

// --- Qt events --------------------------------------------------------------------------------

void TForm1::RemakeCanvas()
{
    const int scale = kestrune::Canvas::ScaleFor(devicePixelRatioF());
    m_canvas = QImage(size() * scale, QImage::Format_RGB32);
    m_canvas.setDevicePixelRatio(scale);
    m_canvas.fill(Qt::black);
    FormPaint();
}

void TForm1::paintEvent(QPaintEvent* event)
{
    // Qt repaints the whole window when it comes onto a screen of another density, so the canvas
    // follows the ratio here.
    const int scale = kestrune::Canvas::ScaleFor(devicePixelRatioF());
    if (m_canvas.size() != size() * scale)
        RemakeCanvas();
    QPainter painter(this);
    const QRect exposed = event->rect();
    // At a whole ratio each canvas pixel lands on one screen pixel; at a fractional one the screen
    // is coarser and takes the nearest canvas pixels, without smoothing.
    painter.drawImage(exposed, m_canvas, QRect(exposed.topLeft() * scale, exposed.size() * scale));
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ToolBar1->setGeometry(0, 0, kToolBarWidth, height());
    RemakeCanvas();
}

void TForm1::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    FormMouseUp(event->button(), at.x(), at.y());
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Image1->rect().contains(mouse->position().toPoint())) {
            Image1Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
