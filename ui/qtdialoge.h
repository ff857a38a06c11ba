#pragma once

#include "dialoge.h"

#include <QPointer>
#include <QWidget>

namespace vun::ui {

// The player's dialogs as Qt message and input boxes: application-modal, German buttons
// whatever the system language, every text shown as plain text.
class QtDialoge : public Dialoge {
public:
    // The window the boxes belong to once it is shown; before that they stand on their own.
    void setEltern(QWidget* eltern) { eltern_ = eltern; }

    int MsgBox(const QString& prompt, int stil, const QString& titel) override;
    QString InputBox(const QString& prompt, const QString& titel, const QString& vorgabe) override;

private:
    QWidget* eltern() const;
    QPointer<QWidget> eltern_;
};

} // namespace vun::ui
