// The about box: the game's title, picture, version, author and a link to its home page.
#pragma once

#include "Seam.h"

#include <QDialog>

class ClickLabel;
class QFrame;
class QLabel;
class QPushButton;

class TAboutBox final : public QDialog {
public:
    // The home page is opened through seam, which must outlive the box.
    explicit TAboutBox(Seam& seam, QWidget* parent = nullptr);

    TAboutBox(const TAboutBox&) = delete;
    TAboutBox& operator=(const TAboutBox&) = delete;

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;  // "Version:"
    QLabel* Label2 = nullptr;  // the version number
    QLabel* Label3 = nullptr;  // the title
    QWidget* Image1 = nullptr;
    QLabel* Label4 = nullptr;  // the author line
    QLabel* Label5 = nullptr;  // "FREEWARE"
    QLabel* Label6 = nullptr;  // "a free game"
    ClickLabel* Label7 = nullptr;  // the home page link
    QPushButton* CloseButton = nullptr;

    // Puts the texts of the current language in place (UTF-8): the version caption, the author
    // line and the free-game line. Right-aligned lines keep their right edge, the author line
    // its left edge.
    void SetTexts(const char* version, const char* author, const char* freeGame);

    void CloseButtonClick();
    void Label7Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Seam& m_seam;
};
