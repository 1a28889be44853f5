#pragma once

#include "scenario/file_system.h"
#include "scenario/journal_pass.h"
#include "widgets/message_boxes.h"

#include <QCoreApplication>
#include <QString>
#include <string>

class QWidget;

namespace zentadial {

// The undo journal as the windows show it: where passes are kept, what a
// pass that could not be kept means, and "Undo Last Conversion".
class JournalMessages final {
    Q_DECLARE_TR_FUNCTIONS(zentadial::JournalMessages)
public:
    // The journal's folder, as the scenario library takes paths.
    [[nodiscard]] static std::string root();
    // A line for a pass the journal could not keep; empty when it was kept.
    [[nodiscard]] static QString notKeptNote(const JournalOutcome& outcome);
    // Undoes the journal's last pass and says what became of each file: put
    // back, or changed since and left as it is. True when any file was put
    // back, so that a window showing files reads them again.
    static bool undoLastConversion(QWidget* over, MessageBoxes& messages, FileSystem& fs);
};

} // namespace zentadial
