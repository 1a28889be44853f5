#pragma once

#include <QString>

class QWidget;

namespace zentadial {

// Every message a window shows goes through this, text before title, so that
// tests record the messages instead of blocking on a modal box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A plain message over the window with one OK button and no icon; the
    // detail, when not empty, is a second, smaller line, and the details,
    // when not empty, a text the user can unfold.
    virtual void inform(QWidget* over, const QString& prompt, const QString& title,
                        const QString& detail = {}, const QString& details = {}) = 0;
    // Something went wrong and the user has to know.
    virtual void warn(QWidget* over, const QString& text, const QString& title) = 0;
    // A yes-or-no question before something the user may not mean; No unless
    // the user says Yes.
    [[nodiscard]] virtual bool ask(QWidget* over, const QString& question,
                                   const QString& title) = 0;
};

// Modal message boxes, each with a single OK button.
class DialogMessageBoxes final : public MessageBoxes {
public:
    void inform(QWidget* over, const QString& prompt, const QString& title, const QString& detail,
                const QString& details) override;
    void warn(QWidget* over, const QString& text, const QString& title) override;
    [[nodiscard]] bool ask(QWidget* over, const QString& question, const QString& title) override;
};

} // namespace zentadial
