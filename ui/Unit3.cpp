// The options dialog: mine percentage, cell size and the five drawing colours.
#include "Unit3.h"

#include "Colors.h"
#include "Controls.h"
#include "Language.h"
#include "StrToInt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int kSizeLabelRight = 128;

constexpr kestrune::SettingsRecord kDefaults{};

bool InRange(std::optional<std::int32_t> value, int low, int high)
{
    return value && *value >= low && *value <= high;
}

}  // namespace

TForm3::TForm3(kestrune::SettingsRecord& settings, const kestrune::Messages& msg, Seam& seam,
               std::function<void()> saveSettings, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_settings(settings),
      m_msg(msg),
      m_seam(seam),
      m_saveSettings(std::move(saveSettings))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Game options"));
    setFixedSize(339, 441);
    setFont(SansSerifFont(11));

    RestoreButton = new QPushButton(QStringLiteral("Restore defaults"), this);
    RestoreButton->setGeometry(16, 16, 305, 25);
    connect(RestoreButton, &QPushButton::clicked, this, &TForm3::RestoreButtonClick);

    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(16, 56, 305, 337);

    TabSheet1 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Main"));

    PercentLabel = new QLabel(QStringLiteral("Average percentage of cells with mines"), TabSheet1);
    PercentLabel->setGeometry(8, 8, 249, 33);
    PercentLabel->setWordWrap(true);
    PercentLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    PercentEdit = new QLineEdit(TabSheet1);
    PercentEdit->setGeometry(256, 8, 33, 21);

    SizeLabel = new QLabel(TabSheet1);
    SizeLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SizeLabel->move(0, 56);

    SizeEdit = new QLineEdit(TabSheet1);
    SizeEdit->setGeometry(136, 56, 33, 21);

    TabSheet2 = new QWidget;
    PageControl1->addTab(TabSheet2, QStringLiteral("Colors"));

    const std::array<ClickLabel**, 5> samples{&StaticText1, &StaticText2, &StaticText3, &StaticText4, &StaticText5};
    const std::array<void (TForm3::*)(), 5> clicks{&TForm3::StaticText1Click, &TForm3::StaticText2Click,
                                                   &TForm3::StaticText3Click, &TForm3::StaticText4Click,
                                                   &TForm3::StaticText5Click};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        auto* sample = new ClickLabel(TabSheet2);
        sample->setGeometry(16, 8 + 40 * int(i), 257, 33);
        sample->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // A little room on the left, so the name does not touch the edge of its black band.
        sample->setIndent(8);
        FillBackground(sample, Qt::black);
        sample->setCursor(Qt::PointingHandCursor);
        sample->onClick = [this, click = clicks[i]] { (this->*click)(); };
        *samples[i] = sample;
    }
    StaticText1->setText(QStringLiteral("cell background"));
    StaticText2->setText(QStringLiteral("light"));
    StaticText3->setText(QStringLiteral("shadow"));
    StaticText4->setText(QStringLiteral("mine"));
    StaticText5->setText(QStringLiteral("explosion"));
    const std::array<kestrune::Color, 5> colors{kDefaults.FillColor, kDefaults.LightColor, kDefaults.DarkColor,
                                                kDefaults.BombColor, kDefaults.BoomColor};
    for (int i = 0; i < 5; ++i)
        SetSampleColor(i, colors[std::size_t(i)]);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(16, 408, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TForm3::OKButtonClick);

    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(112, 408, 209, 25);
    connect(CancelButton, &QPushButton::clicked, this, &TForm3::CancelButtonClick);

    SizeLabel->setText(QStringLiteral("Cell size:"));
    SizeLabel->adjustSize();
    SizeLabel->move(kSizeLabelRight - SizeLabel->width(), 56);

    setTabOrder(RestoreButton, PageControl1);
    setTabOrder(PageControl1, PercentEdit);
    setTabOrder(PercentEdit, SizeEdit);
    setTabOrder(SizeEdit, OKButton);
    setTabOrder(OKButton, CancelButton);
}

void TForm3::SetLanguage(int lang)
{
    using namespace kestrune;
    const auto text = [lang](LangKey key) { return QString::fromUtf8(LanguageText(key, lang)); };
    setWindowTitle(text(kForm3Caption));
    RestoreButton->setText(text(kRestoreButtonCaption));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet1), text(kTabSheet1Caption));
    PercentLabel->setText(text(kPercentLabelCaption));
    SizeLabel->setText(text(kSizeLabelCaption));
    SizeLabel->adjustSize();
    SizeLabel->move(kSizeLabelRight - SizeLabel->width(), SizeLabel->y());
    CancelButton->setText(text(kCancelButtonCaption));
    PageControl1->setTabText(PageControl1->indexOf(TabSheet2), text(kTabSheet2Caption));
    const std::array<LangKey, 5> samples{kStaticText1Caption, kStaticText2Caption, kStaticText3Caption,
                                         kStaticText4Caption, kStaticText5Caption};
    for (int i = 0; i < 5; ++i)
        Sample(i)->setText(text(samples[std::size_t(i)]));
}

void TForm3::FormShow()
{
    if (EditsFilled)
        return;
    EditsFilled = true;
    ShowValues(m_settings);
}

void TForm3::ShowValues(const kestrune::SettingsRecord& values)
{
    PercentEdit->setText(QString::asprintf("%02d", values.MinesPercent));
    SizeEdit->setText(QString::asprintf("%d", values.CellSize));
    SetSampleColor(0, values.FillColor);
    SetSampleColor(1, values.LightColor);
    SetSampleColor(2, values.DarkColor);
    SetSampleColor(3, values.BombColor);
    SetSampleColor(4, values.BoomColor);
}

void TForm3::FormClose()
{
    EditsFilled = false;
}

void TForm3::RestoreButtonClick()
{
    // The defaults read "07" and "16", as a first start shows them.
    ShowValues(kDefaults);
}

void TForm3::OKButtonClick()
{
    const std::optional<std::int32_t> percent = kestrune::StrToInt(PercentEdit->text());
    if (!InRange(percent, 1, 99)) {
        m_seam.ShowMessage(PercentLabel->text().toStdString(), m_msg.MsgBadNumber, kestrune::kMbError);
        return;
    }
    const std::optional<std::int32_t> size = kestrune::StrToInt(SizeEdit->text());
    if (!InRange(size, 11, 499)) {
        m_seam.ShowMessage(SizeLabel->text().toStdString(), m_msg.MsgBadNumber, kestrune::kMbError);
        return;
    }
    m_settings.MinesPercent = *percent;
    m_settings.CellSize = *size;
    m_settings.FillColor = m_colors[0];
    m_settings.LightColor = m_colors[1];
    m_settings.DarkColor = m_colors[2];
    m_settings.BombColor = m_colors[3];
    m_settings.BoomColor = m_colors[4];
    if (m_saveSettings)
        m_saveSettings();
    close();
}

void TForm3::CancelButtonClick()
{
    close();
}

void TForm3::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm3::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
}

void TForm3::keyPressEvent(QKeyEvent* event)
{
    // No key stands for Cancel: Escape must not throw away what the player typed.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm3::ChooseSampleColor(int index)
{
    if (const std::optional<kestrune::Color> chosen = m_seam.ChooseColor(this, m_colors[std::size_t(index)]))
        SetSampleColor(index, *chosen);
}

void TForm3::SetSampleColor(int index, kestrune::Color color)
{
    m_colors[std::size_t(index)] = color;
    SetTextColor(Sample(index), kestrune::ToQColor(color));
}

ClickLabel* TForm3::Sample(int index) const
{
    const std::array<ClickLabel*, 5> samples{StaticText1, StaticText2, StaticText3, StaticText4, StaticText5};
    return samples[std::size_t(index)];
}
