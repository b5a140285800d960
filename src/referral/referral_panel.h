#pragma once
// The refer-a-friend fields of the exit screen: prompts that clear on entry and come back
// on leaving, the e-mail fields' refusal of spaces, and the button that submits.

#include "referral/mod_tell_a_friend.h"

#include <QObject>

#include <array>
#include <utility>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmoor {

class ReferralPanel : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QLineEdit *txtName;
        QLineEdit *txtEmail;
        QLineEdit *txtFriendName;
        QLineEdit *txtFriendEmail;
        QPlainTextEdit *txtMessage;
        QPushButton *cmdSubmit;
    };
    ReferralPanel(Fields fields, ModTellAFriend &module, MessageBoxes &boxes);

    // The message field's text as a multi-line field gives it: line breaks as CR LF.
    QString messageText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString text(QObject *field) const;
    void setText(QObject *field, const QString &text);
    // Each field with the prompt it shows, in the form's order.
    std::array<std::pair<QObject *, QString (*)()>, 5> prompted() const;
    QString promptOf(QObject *field) const;
    void cmdSubmit_Click();

    Fields m_fields;
    ModTellAFriend &m_module;
    MessageBoxes &m_boxes;
};

} // namespace velmoor
