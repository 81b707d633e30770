// The main window: tool bar, size and language boxes, the title picture, and the board.
#pragma once

#include "Game.h"
#include "Geometry.h"
#include "Registry.h"
#include "SavedGame.h"
#include "Seam.h"
#include "Types.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QFrame;
class QToolButton;
class TAboutBox;
class TCheatForm;
class TForm3;
class TVictoryForm;

class TForm1 final : public QWidget, public kestrune::GameHost, public kestrune::SavedGameHost {
public:
    // Builds the window, creates the about box and the options dialog, loads the settings and
    // applies the language. Every modal window and box goes through seam, which must outlive it.
    explicit TForm1(Seam& seam, QWidget* parent = nullptr);
    ~TForm1() override;

    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Controls, as designed.
    QFrame* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QToolButton* ToolButton2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QToolButton* ToolButton4 = nullptr;
    QToolButton* ToolButton5 = nullptr;
    QToolButton* ToolButton6 = nullptr;
    FileDialogSettings SaveDialog1;
    FileDialogSettings OpenDialog1;
    QLabel* Image1 = nullptr;

    // The about box and the options dialog belong to the main window and go when it closes.
    TAboutBox* AboutBox = nullptr;
    TForm3* Form3 = nullptr;
    // The console and the outcome window belong to the application, which hands them over here.
    void SetWindows(TCheatForm* cheatForm, TVictoryForm* victoryForm);

    // Handlers.
    void ToolButton1Click();
    void ToolButton2Click();
    void FormClose();
    void FormPaint();
    void FormMouseUp(Qt::MouseButton button, int x, int y);
    void ComboBox2Change();
    void ToolButton3Click();
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void Image1Click();

    // The game's state, the settings record and the current messages live here.
    kestrune::Game& game() { return m_game; }
    kestrune::SettingsRecord Settings;
    kestrune::Messages Msg;

    void LoadSettings();
    void SaveSettings();
    void ApplyLanguage();

    // The board as laid out with the current cell size and board size.
    kestrune::Geometry geometry() const;
    // The image the board is drawn into, in logical pixels like every coordinate of the game: the
    // client area at the screen's device pixel ratio rounded up (Canvas::ScaleFor), so pixel (x, y)
    // of it is client pixel (x, y) only at a ratio of 1. The paint event copies it to the screen.
    const QImage& canvas() const { return m_canvas; }
    Seam& seam() { return m_seam; }

    // GameHost and SavedGameHost.
    std::optional<kestrune::Cell> CellAt(int x, int y) const override;
    void PaintBoard() override;
    void ClearBoardArea() override;
    void SetSizeBoxEnabled(bool enabled) override;
    int SizeBoxIndex() const override;
    void ShowOutcome(bool victory) override;
    void ShowMessage(std::string_view text, std::string_view caption, int flag) override;
    std::optional<QString> ChooseSaveFileName() override;
    std::optional<QString> ChooseOpenFileName() override;
    void SelectSizeIndex(int index) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void RemakeCanvas();

    Seam& m_seam;
    kestrune::Game m_game;
    std::unique_ptr<kestrune::Registry> Registry;
    QImage m_canvas;
    TCheatForm* m_cheatForm = nullptr;
    TVictoryForm* m_victoryForm = nullptr;
};

