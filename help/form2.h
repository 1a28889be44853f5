#pragma once

#include <QWidget>

class QCloseEvent;
class QLabel;

namespace zentadial {

// The help window: one label with a fixed text of six paragraphs, and a
// seventh on what the window has gained since. It owns
// nothing but its label; the text is assembled afresh each time it loads.
class Form2 final : public QWidget {
    Q_OBJECT

public:
    // Loading happens here: the label is filled before the window is first shown.
    Form2();

    [[nodiscard]] QLabel* label() const { return Label1; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    QLabel* Label1;
};

// The "Help" button: shows the one help window of the program, loading it
// first when it is not open.
void showHelpWindow();

// The open help window, or nullptr once the user has closed it.
[[nodiscard]] Form2* helpWindow();

} // namespace zentadial
