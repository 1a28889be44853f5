#include "widgets/message_boxes.h"

#include <QMessageBox>

namespace zentadial {

void DialogMessageBoxes::inform(QWidget* over, const QString& prompt, const QString& title,
                                const QString& detail, const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, over);
    box.setInformativeText(detail);
    box.setDetailedText(details);
    box.exec();
}

void DialogMessageBoxes::warn(QWidget* over, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, over);
    box.exec();
}

bool DialogMessageBoxes::ask(QWidget* over, const QString& question, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    over);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace zentadial
