#pragma once

#include "seams/dialoge.h"

class QTextStream;

namespace vun::ui {

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

// "vun-memory --drucken LISTE.TXT AUSGABE.pdf", as main() runs it instead of the window: the
// cards as a PDF, the messages on the error output; it needs no display. Returns the exit code.
int druckbefehlAusfuehren(int argc, char** argv);

} // namespace vun::ui
