#include "widgets/joined_words.h"

namespace zentadial {

QString JoinedWords::sentences(const QStringList& sentences) {
    QString paragraph;
    for (const QString& sentence : sentences) {
        if (sentence.isEmpty()) {
            continue;
        }
        //: Two sentences one after the other in a message: %1 is what comes before, %2 the
        //: next sentence.
        paragraph = paragraph.isEmpty() ? sentence : tr("%1 %2").arg(paragraph, sentence);
    }
    return paragraph;
}

QString JoinedWords::items(const QStringList& items) {
    //: Between the items of a list within a sentence, such as file names.
    return items.join(tr(", "));
}

QString JoinedWords::quoted(const QString& text) {
    //: A file's or folder's path, or a date the user typed, quoted in a message.
    return tr("\"%1\"").arg(text);
}

} // namespace zentadial
