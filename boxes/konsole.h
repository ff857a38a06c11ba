#pragma once

#include "seams/dialoge.h"

class QTextStream;

namespace vun {

// The player's dialogs where no window is: each message goes to the stream, its title before it
// as a program names itself on the error output, its details on the lines below. Nobody is there
// to answer: a question is answered No, an input box is cancelled.
class KonsolenDialoge : public Dialoge {
public:
    explicit KonsolenDialoge(QTextStream& ausgabe) : ausgabe_(ausgabe) {}

    MsgBoxAntwort MsgBox(const QString& prompt, MsgBoxStil stil, const QString& titel,
                         const QString& details = QString()) override;
    QString InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) override;

private:
    QTextStream& ausgabe_;
};

} // namespace vun
