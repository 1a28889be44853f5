#pragma once

#include "widgets/message_boxes.h"

#include <QList>
#include <QString>

namespace zentadial::test {

struct Message {
    QString prompt; // the text of a warning
    QString title;
    QString detail;
    bool warning = false;
    QString details;
    bool question = false;
};

// Every message a window would have shown, in order, with nothing blocking.
class RecordedMessages final : public MessageBoxes {
public:
    QList<Message> shown;
    void inform(QWidget*, const QString& prompt, const QString& title, const QString& detail,
                const QString& details) override {
        shown.append({prompt, title, detail, false, details});
    }
    void warn(QWidget*, const QString& text, const QString& title) override {
        shown.append({text, title, {}, true, {}});
    }
    bool answer = false; // to every question
    bool ask(QWidget*, const QString& question, const QString& title) override {
        shown.append({question, title, {}, false, {}, true});
        return answer;
    }
};

} // namespace zentadial::test
