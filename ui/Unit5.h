// The outcome window: announces a victory or a defeat with a title and a picture.
#pragma once

#include "Game.h"
#include "Types.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TVictoryForm final : public QDialog {
public:
    // The messages and the game are read at every showing, so they follow the current language
    // and the game's NuclearMode; both must outlive the window.
    TVictoryForm(const kestrune::Messages& msg, const kestrune::Game& game, QWidget* parent = nullptr);

    TVictoryForm(const TVictoryForm&) = delete;
    TVictoryForm& operator=(const TVictoryForm&) = delete;

    // The outcome to announce at the next showing: true after a win.
    bool Victory = false;

    QLabel* TheTitle = nullptr;
    QWidget* Image1 = nullptr;  // a win
    QWidget* Image2 = nullptr;  // a defeat
    QWidget* Image3 = nullptr;  // a defeat in NuclearMode
    QPushButton* OKButton = nullptr;

    // Puts the caption, the title and the picture of the current outcome in place.
    void FormShow();
    void OKButtonClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const kestrune::Messages& m_msg;
    const kestrune::Game& m_game;
};
