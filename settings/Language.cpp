// The table of interface texts: one row per key, one column per language.
#include "Language.h"

#include <string_view>

namespace kestrune {
namespace {

struct Row {
    LangKey key;
    std::array<const char*, kLanguageCount> text;  // by language index
};

constexpr std::array<Row, kLangKeyCount> kTable{{
    {LangKey::kMsgNotInGame,
     {"You are not currently in game", "Вы сейчас не в игре", "Вы ў дадзены момант не ў гульні",
      "Ви в даний момент не в грі", "Ви у овом тренутку није у игри",
      "Вие в момента не е в играта"}},
    {LangKey::kMsgWarning,
     {"Warning", "Предупреждение", "Папярэджанне", "Попередження", "Упозорење", "Предупреждение"}},
    {LangKey::kMsgAlreadyInGame,
     {"You already started a game", "Вы уже находитесь в игре", "Вы ўжо знаходзіцеся ў гульні",
      "Ви вже перебуваєте в грі", "Већ сте у игри", "Вие вече сте в играта"}},
    {LangKey::kMsgWinCaption,
     {"Congratulations!", "Поздравляем!", "Віншуем!", "Вітаємо!", "Честитамо!", "Поздравления!"}},
    {LangKey::kMsgWinTitle,
     {"You WIN!", "Вы ПОБЕДИЛИ!", "Вы ПЕРАМАГЛІ!", "Ви ПЕРЕМОГЛИ!", "Ви сте ПОБЕДИО!",
      "Вие сте СПЕЧЕЛИ!"}},
    {LangKey::kMsgLoseCaption,
     {"Ha-ha-ha!", "Ха-ха-ха!", "Ха-ха-ха!", "Ха-ха-ха!", "Ха-ха-ха!", "Ха-ха-ха!"}},
    {LangKey::kMsgLoseTitle,
     {"Defeat...", "Поражение...", "Паражэнне...", "Поразка...", "Пораз...", "Поражението..."}},
    {LangKey::kToolButton1Hint,
     {"Start game", "Начать игру", "Пачаць гульню", "Почати гру", "Почети игре",
      "Започнете играта"}},
    {LangKey::kToolButton2Hint,
     {"Stop game", "Прервать игру", "Перапыніць гульню", "Перервати гру", "Прекине игре",
      "Прекъсване на играта"}},
    {LangKey::kLabel1Caption,
     {"size", "размер", "памер", "розмір", "величина", "размер"}},
    {LangKey::kLabel2Caption,
     {"Language / язык", "Language / язык", "Language / мова", "Language / мова",
      "Language / језик", "Language / език"}},
    {LangKey::kToolButton3Hint,
     {"About game", "Об игре", "Аб гульні", "Про гру", "О игри", "За играта"}},
    {LangKey::kAboutLabel1Caption,
     {"Version:", "Версия:", "Версія:", "Версія:", "Верзија:", "Версия:"}},
    {LangKey::kAboutLabel4Caption,
     {"The author: Orlaine", "Автор: Orlaine", "Аўтар: Orlaine", "Автор: Orlaine", "Аутор: Orlaine",
      "Автор: Orlaine"}},
    {LangKey::kForm3Caption,
     {"Game options", "Настройки игры", "Налады гульні", "Налаштування гри", "Подешавања игре",
      "Настройки на играта"}},
    {LangKey::kRestoreButtonCaption,
     {"Restore defaults", "Вернуть по умолчанию", "Вярнуць па змаўчанні",
      "Повернути за замовчуванням", "Врати подразумевано", "Върне по подразбиране"}},
    {LangKey::kTabSheet1Caption,
     {"Main", "Главное", "Галоўнае", "Головне", "Главна ствар", "Най-важното"}},
    {LangKey::kMsgBadNumber,
     {"Bad number!", "Неверное число!", "Няправільнае лік!", "Неправильна кількість!",
      "Погрешно броја!", "Неправилен брой!"}},
    {LangKey::kPercentLabelCaption,
     {"Average percentage of cells with mines", "Средний процент ячеек с минами",
      "Сярэдні працэнт вочак з мінамі", "Середній відсоток осередків з мінами",
      "Просечан проценат ћелија са минама", "Средният процент на клетки с мини"}},
    {LangKey::kSizeLabelCaption,
     {"Cell size:", "Размер ячейки:", "Памер ячэйкі:", "Розмір комірки:", "Величина ћелија:",
      "Размер на клетката:"}},
    {LangKey::kCancelButtonCaption,
     {"Cancel", "Отмена", "Адмена", "Скасування", "Укидање", "Отказ"}},
    {LangKey::kToolButton4Hint,
     {"Options", "Настройки", "Налады", "Настроювання", "Подешавања", "Настройки"}},
    {LangKey::kAboutLabel6Caption,
     {"a free game", "бесплатная игра", "бясплатная гульня", "гра безкоштовна", "бесплатна игра",
      "безплатна игра"}},
    {LangKey::kTabSheet2Caption,
     {"Colors", "Цвета", "Колеры", "Кольори", "Боје", "Цвят"}},
    {LangKey::kStaticText1Caption,
     {"cell background", "фон ячейки", "фон ячэйкі", "фон комірки", "ћелијска позадина",
      "клетъчен фон"}},
    {LangKey::kStaticText2Caption,
     {"light", "свет", "святло", "світло", "светло", "светлина"}},
    {LangKey::kStaticText3Caption,
     {"shadow", "тень", "цень", "тінь", "сенка", "сянка"}},
    {LangKey::kStaticText4Caption,
     {"mine", "мина", "міна", "міна", "мина", "мина"}},
    {LangKey::kStaticText5Caption,
     {"explosion", "взрыв", "выбух", "вибух", "експлозија", "експлозия"}},
    {LangKey::kToolButton5Hint,
     {"Save a game", "Сохранить игру", "Захаваць гульню", "Зберегти гру", "Да сачувате игру",
      "Запази играта"}},
    {LangKey::kToolButton6Hint,
     {"Open a game", "Открыть игру", "Адкрыць гульню", "Відкрити гру", "Отворите игру",
      "Отваряне на игра"}},
}};

constexpr bool RowsInKeyOrderAndFull()
{
    for (int row = 0; row < kLangKeyCount; ++row) {
        if (static_cast<int>(kTable[row].key) != row + 1)
            return false;
        for (const char* text : kTable[row].text) {
            if (text == nullptr || std::string_view(text).empty())
                return false;
        }
    }
    return true;
}
static_assert(RowsInKeyOrderAndFull(), "every key needs its row, in order, with six texts");

}  // namespace

const char* LanguageText(LangKey key, int lang)
{
    return kTable[static_cast<int>(key) - 1].text[LanguageColumn(lang)];
}

Messages MessagesFor(int lang)
{
    Messages msg;
    msg.MsgNotInGame = LanguageText(LangKey::kMsgNotInGame, lang);
    msg.MsgWarning = LanguageText(LangKey::kMsgWarning, lang);
    msg.MsgAlreadyInGame = LanguageText(LangKey::kMsgAlreadyInGame, lang);
    msg.MsgWinCaption = LanguageText(LangKey::kMsgWinCaption, lang);
    msg.MsgWinTitle = LanguageText(LangKey::kMsgWinTitle, lang);
    msg.MsgLoseCaption = LanguageText(LangKey::kMsgLoseCaption, lang);
    msg.MsgLoseTitle = LanguageText(LangKey::kMsgLoseTitle, lang);
    msg.MsgBadNumber = LanguageText(LangKey::kMsgBadNumber, lang);
    return msg;
}

}  // namespace kestrune
