#include "referral/referral_panel.h"

#include "platform/accessibility.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <limits>

namespace velmoor {

ReferralPanel::ReferralPanel(Fields fields, ModTellAFriend &module, MessageBoxes &boxes)
    : m_fields(fields), m_module(module), m_boxes(boxes)
{
    // No silent cut at QLineEdit's default 32,767 characters: a referral too long to send
    // is refused as a whole when it is submitted.
    for (QLineEdit *line :
         {m_fields.txtName, m_fields.txtEmail, m_fields.txtFriendName, m_fields.txtFriendEmail})
        line->setMaxLength(std::numeric_limits<int>::max());
    for (const auto &[field, prompt] : prompted()) {
        setText(field, field == m_fields.txtMessage ? prompts::messageInitial() : prompt());
        field->installEventFilter(this);
    }
    connect(m_fields.cmdSubmit, &QPushButton::clicked, this, &ReferralPanel::cmdSubmit_Click);
}

QString ReferralPanel::messageText() const
{
    return m_fields.txtMessage->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

QString ReferralPanel::text(QObject *field) const
{
    if (field == m_fields.txtMessage)
        return messageText();
    return static_cast<QLineEdit *>(field)->text();
}

void ReferralPanel::setText(QObject *field, const QString &text)
{
    if (field == m_fields.txtMessage) {
        QString plain = text;
        m_fields.txtMessage->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else {
        static_cast<QLineEdit *>(field)->setText(text);
    }
}

std::array<std::pair<QObject *, QString (*)()>, 5> ReferralPanel::prompted() const
{
    return {{{m_fields.txtName, &prompts::name},
             {m_fields.txtEmail, &prompts::email},
             {m_fields.txtFriendName, &prompts::friendName},
             {m_fields.txtFriendEmail, &prompts::friendEmail},
             {m_fields.txtMessage, &prompts::message}}};
}

QString ReferralPanel::promptOf(QObject *field) const
{
    for (const auto &[which, prompt] : prompted())
        if (which == field)
            return prompt();
    return {};
}

bool ReferralPanel::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only moves between the screen's own controls count, not another window (or a
        // message box) taking the focus for a while.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const auto rule = event->type() == QEvent::FocusIn ? &contentOnEntry : &contentOnLeave;
        if (const std::optional<QString> content = rule(text(watched), promptOf(watched))) {
            const Unheard prompt(*static_cast<QWidget *>(watched));
            setText(watched, *content);
        }
        break;
    }
    case QEvent::KeyPress:
    case QEvent::InputMethod: {
        // Typed from the keyboard or committed by an input method (whose Space gives the
        // ideographic space U+3000): a space of any kind is refused. What else was typed with
        // it goes in; a paste is not typing, and passes.
        if (watched != m_fields.txtEmail && watched != m_fields.txtFriendEmail)
            break;
        auto *method =
            event->type() == QEvent::InputMethod ? static_cast<QInputMethodEvent *>(event) : nullptr;
        const QString typed = method ? method->commitString() : static_cast<QKeyEvent *>(event)->text();
        QString kept = typed;
        kept.removeIf([](QChar c) { return c.category() == QChar::Separator_Space; });
        if (kept == typed)
            break;
        QPointer<QWidget> field = static_cast<QWidget *>(watched);
        if (method && (!kept.isEmpty() || !method->preeditString().isEmpty())) {
            QInputMethodEvent rest(method->preeditString(), method->attributes());
            rest.setCommitString(kept, method->replacementStart(), method->replacementLength());
            QCoreApplication::sendEvent(watched, &rest);
        }
        m_boxes.show(noSpaceInEmail(), MsgIcon::Critical, MsgButtons::Ok);
        if (field)
            field->setFocus();
        return true; // the space never reaches the field
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ReferralPanel::cmdSubmit_Click()
{
    m_module.cmdSubmit_Click({m_fields.txtName->text(), m_fields.txtEmail->text(), messageText(),
                              m_fields.txtFriendName->text(), m_fields.txtFriendEmail->text()});
}

} // namespace velmoor
