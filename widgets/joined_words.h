#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace zentadial {

// The few ways the windows put words together: each language has its own
// (Japanese sets sentences side by side without a space and lists with 、,
// French puts a space before ; and quotes with « »), so every join is a text
// of its own for the translators.
class JoinedWords final {
    Q_DECLARE_TR_FUNCTIONS(zentadial::JoinedWords)
public:
    // The sentences one after the other, as a paragraph.
    [[nodiscard]] static QString sentences(const QStringList& sentences);
    // "a.scn, b.scn": the items of a list in a sentence.
    [[nodiscard]] static QString items(const QStringList& items);
    // A file's or folder's path or a date the user typed, quoted in a sentence.
    [[nodiscard]] static QString quoted(const QString& text);
};

} // namespace zentadial
