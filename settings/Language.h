// The interface texts in six languages, the languages' own names, and the message set of each.
#pragma once

#include "Types.h"

#include <array>

namespace kestrune {

// Language indices: 0 English, 1 Russian, 2 Belarusian, 3 Ukrainian, 4 Serbian, 5 Bulgarian.
inline constexpr int kLanguageCount = 6;

// Each language's name in itself, by index: the entries of the language box.
inline constexpr std::array<const char*, kLanguageCount> kLanguageNames{
    "English", "Русский", "Беларуская", "Українська", "Српски", "Български"};

// The texts, named by where they are shown. The values are the keys' numbers, 1 to 31.
// Unscoped so that the window code applying a language reads as a list of its targets.
enum LangKey : int {
    kMsgNotInGame = 1,
    kMsgWarning,
    kMsgAlreadyInGame,
    kMsgWinCaption,
    kMsgWinTitle,
    kMsgLoseCaption,
    kMsgLoseTitle,
    kToolButton1Hint,
    kToolButton2Hint,
    kLabel1Caption,
    kLabel2Caption,
    kToolButton3Hint,
    kAboutLabel1Caption,
    kAboutLabel4Caption,
    kForm3Caption,
    kRestoreButtonCaption,
    kTabSheet1Caption,
    kMsgBadNumber,
    kPercentLabelCaption,
    kSizeLabelCaption,
    kCancelButtonCaption,
    kToolButton4Hint,
    kAboutLabel6Caption,
    kTabSheet2Caption,
    kStaticText1Caption,
    kStaticText2Caption,
    kStaticText3Caption,
    kStaticText4Caption,
    kStaticText5Caption,
    kToolButton5Hint,
    kToolButton6Hint,
};
inline constexpr int kLangKeyCount = 31;

// The column a language index selects: 1 to 5 their own language, 0 and any other value English.
constexpr int LanguageColumn(int lang)
{
    return lang >= 1 && lang < kLanguageCount ? lang : 0;
}

// The UTF-8 text of a key (one of the 31 above) in the column lang selects; never null or empty.
const char* LanguageText(LangKey key, int lang);

// The eight messages in the column lang selects.
Messages MessagesFor(int lang);

}  // namespace kestrune
