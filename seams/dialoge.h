#pragma once

#include <QString>

namespace vun {

// Message-box style numbers as the player's dialogs understand them: buttons + icon + default.
enum MsgBoxStil : int {
    NurOk = 0,
    JaNein = 4,
    Fragezeichen = 32,
    ZweiteTasteVorgabe = 256,
    JaNeinFrage = JaNein | Fragezeichen | ZweiteTasteVorgabe, // 292
};

// The answer of a message box: the number of the button pressed.
enum MsgBoxAntwort : int {
    AntwortOk = 1,
    AntwortJa = 6,
    AntwortNein = 7,
};

// Carriage return: prompts end their lines with it, never with a line feed.
inline constexpr QChar CR = QChar(13);

// Everything the game asks of the player. The program shows Qt dialogs; tests script answers.
class Dialoge {
public:
    virtual ~Dialoge() = default;
    // Modal message box; returns the button pressed. details, where given, is more for whoever
    // wants to know it (why a word list is faulty), shown only on request.
    virtual MsgBoxAntwort MsgBox(const QString& prompt, MsgBoxStil stil, const QString& titel,
                                 const QString& details = QString()) = 0;
    // Modal input box; returns the text entered, or the empty text on Cancel.
    virtual QString InputBox(const QString& prompt, const QString& titel,
                             const QString& vorgabe) = 0;
};

} // namespace vun
