// The hidden console: a typed word opens a web page, opens or saves a game, or arms NuclearMode.
#pragma once

#include "Game.h"
#include "Seam.h"

#include <QDialog>
#include <array>
#include <functional>
#include <span>
#include <string_view>

class QLineEdit;
class QToolButton;

namespace kestrune {

// What a keyword group does when it matches.
enum class ConsoleAction { SitePage, FirstProfilePage, SecondProfilePage, NewspaperPage, OpenGame, SaveGame, NuclearMode };

// A group matches when one of its words occurs anywhere in the text, or when the whole text is
// exactly one of its words.
enum class ConsoleMatch { Contains, Equals };

struct ConsoleGroup {
    std::span<const std::u16string_view> words;  // lower case
    ConsoleMatch match;
    ConsoleAction action;
};

namespace console_words {
inline constexpr std::array<std::u16string_view, 3> kGroup1{u"сапёр ", u"минёр ", u"бум "};
inline constexpr std::array<std::u16string_view, 2> kGroup2{u"kestrune", u"me"};
inline constexpr std::array<std::u16string_view, 5> kGroup3{u"бах", u"pow", u"zap", u"ура", u"упс"};
inline constexpr std::array<std::u16string_view, 5> kGroup4{u"oh", u"hypercube", u"blast.", u"ой", u"тессеракт"};
inline constexpr std::array<std::u16string_view, 5> kGroup5{u"news", u"headlines", u"передовица", u"газета", u"сенсация"};
inline constexpr std::array<std::u16string_view, 3> kGroup6{u"дым", u"bomb", u"tnt"};
inline constexpr std::array<std::u16string_view, 2> kGroup7{u"мина", u"mine"};
inline constexpr std::array<std::u16string_view, 4> kGroup8{u"load", u"люк", u"ключ", u"сейф"};
inline constexpr std::array<std::u16string_view, 1> kGroup9{u"stow"};
inline constexpr std::array<std::u16string_view, 5> kGroup10{u"uranium", u"nuke", u"реактор", u"жар", u"гриб"};
}  // namespace console_words

// The console's keywords, tested in this order.
inline constexpr std::array<ConsoleGroup, 10> kConsoleGroups{{
    {console_words::kGroup1, ConsoleMatch::Contains, ConsoleAction::SitePage},
    {console_words::kGroup2, ConsoleMatch::Equals, ConsoleAction::FirstProfilePage},
    {console_words::kGroup3, ConsoleMatch::Contains, ConsoleAction::SitePage},
    {console_words::kGroup4, ConsoleMatch::Equals, ConsoleAction::SecondProfilePage},
    {console_words::kGroup5, ConsoleMatch::Equals, ConsoleAction::NewspaperPage},
    {console_words::kGroup6, ConsoleMatch::Contains, ConsoleAction::SitePage},
    {console_words::kGroup7, ConsoleMatch::Contains, ConsoleAction::SitePage},
    {console_words::kGroup8, ConsoleMatch::Contains, ConsoleAction::OpenGame},
    {console_words::kGroup9, ConsoleMatch::Equals, ConsoleAction::SaveGame},
    {console_words::kGroup10, ConsoleMatch::Equals, ConsoleAction::NuclearMode},
}};

// Whether a group matches an already lower-cased text.
bool GroupMatches(const ConsoleGroup& group, QStringView text);

}  // namespace kestrune

class TCheatForm final : public QDialog {
public:
    // openGame and saveGame run the main window's open and save commands. The game and seam must
    // outlive the console.
    TCheatForm(kestrune::Game& game, Seam& seam, std::function<void()> openGame, std::function<void()> saveGame,
               QWidget* parent = nullptr);

    TCheatForm(const TCheatForm&) = delete;
    TCheatForm& operator=(const TCheatForm&) = delete;

    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;

    // Runs the typed command, clears the edit and closes the console.
    void SpeedButton1Click();
    // Enter runs the command; returns whether the key was used.
    bool Edit1KeyDown(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Run(kestrune::ConsoleAction action);

    kestrune::Game& m_game;
    Seam& m_seam;
    std::function<void()> m_openGame;
    std::function<void()> m_saveGame;
};
