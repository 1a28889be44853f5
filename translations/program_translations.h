#pragma once

#include <QTranslator>

class QLocale;

namespace zentadial {

// The windows' words in the user's language, and Qt's own in the same
// language for its standard dialogs and buttons, installed into the running
// application for as long as this lives. English is the source and the
// fallback: for a language the program does not speak, nothing is installed,
// so a window never mixes two languages.
class ProgramTranslations final {
public:
    explicit ProgramTranslations(const QLocale& locale);
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // The language chosen ("de"), or empty for English.
    [[nodiscard]] QString language() const { return language_; }
    [[nodiscard]] bool qtInstalled() const { return qtInstalled_; }

private:
    QTranslator program_;
    QTranslator qt_;
    QString language_;
    bool qtInstalled_ = false;
};

} // namespace zentadial
