// The options dialog: mine percentage, cell size and the five drawing colours.
#pragma once

#include "Seam.h"
#include "Types.h"

#include <QDialog>
#include <array>
#include <functional>

class ClickLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class TForm3 final : public QDialog {
public:
    // The dialog edits copies of settings and writes them back only on a valid OK, then calls
    // saveSettings. settings, msg and seam must outlive the dialog.
    TForm3(kestrune::SettingsRecord& settings, const kestrune::Messages& msg, Seam& seam,
           std::function<void()> saveSettings, QWidget* parent = nullptr);

    TForm3(const TForm3&) = delete;
    TForm3& operator=(const TForm3&) = delete;

    // Puts the texts of language lang (as Lang counts them) in place, whether the dialog is open
    // or not; SizeLabel keeps its right edge.
    void SetLanguage(int lang);

    QPushButton* RestoreButton = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QLabel* PercentLabel = nullptr;
    QLineEdit* PercentEdit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* SizeLabel = nullptr;
    QLineEdit* SizeEdit = nullptr;
    QWidget* TabSheet2 = nullptr;
    ClickLabel* StaticText1 = nullptr;
    ClickLabel* StaticText2 = nullptr;
    ClickLabel* StaticText3 = nullptr;
    ClickLabel* StaticText4 = nullptr;
    ClickLabel* StaticText5 = nullptr;

    // True while the controls hold the values loaded for the current opening.
    bool EditsFilled = false;

    // The colour of sample 0..4 (StaticText1..5).
    kestrune::Color SampleColor(int index) const { return m_colors[std::size_t(index)]; }

    void FormShow();
    void FormClose();
    void RestoreButtonClick();
    void OKButtonClick();
    void CancelButtonClick();
    void StaticText1Click() { ChooseSampleColor(0); }
    void StaticText2Click() { ChooseSampleColor(1); }
    void StaticText3Click() { ChooseSampleColor(2); }
    void StaticText4Click() { ChooseSampleColor(3); }
    void StaticText5Click() { ChooseSampleColor(4); }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChooseSampleColor(int index);
    void SetSampleColor(int index, kestrune::Color color);
    // Puts a record's numbers and colours into the edits and samples.
    void ShowValues(const kestrune::SettingsRecord& values);
    ClickLabel* Sample(int index) const;

    kestrune::SettingsRecord& m_settings;
    const kestrune::Messages& m_msg;
    Seam& m_seam;
    std::function<void()> m_saveSettings;
    // Kept beside the samples' text colours so that every stored bit goes back unchanged.
    std::array<kestrune::Color, 5> m_colors{};
};
