#pragma once

#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <expected>

namespace zentadial {

// The folder list: the chain of folders from the volume's root down to the
// current folder, each a step further in, then the current folder's
// sub-folders, sorted by name. Hidden folders (names that begin with a dot)
// are left out, as file managers do by default.
//
// Opening an entry (double-click, or Enter on it) makes it the current folder;
// a single click only highlights it. The listing is read synchronously with
// QDir: QFileSystemModel fills itself on a worker thread, so a refresh would
// not be complete when it returns, and neither would the list a caller looks
// at right after setting the path.
class FolderList final : public QTreeWidget {
    Q_OBJECT

public:
    // Starts at the process's current folder (or "/" when that is gone).
    // mountPoints are the volumes' roots, where the chain of each path begins.
    explicit FolderList(const QStringList& mountPoints, QWidget* parent = nullptr);

    // The current folder's full path: a root with its trailing separator
    // ("/"), any other folder without one.
    [[nodiscard]] QString path() const { return path_; }

    // Makes folder the current folder; relative paths count from the process's
    // current folder. On failure the list is left as it was and the reason is
    // returned.
    std::expected<void, QString> setPath(const QString& folder);

    // Reads the current folder's sub-folders from disk again.
    void refresh();

    // The entry standing for folder, or null when the list does not show it.
    [[nodiscard]] QTreeWidgetItem* itemFor(const QString& folder) const;

    // The full paths of the entries, top to bottom.
    [[nodiscard]] QStringList shownFolders() const;

Q_SIGNALS:
    // An entry the user opened could not become the current folder.
    void openFailed(const QString& folder, const QString& reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    void rebuild();
    // The name in full as an entry's tooltip, where the list cuts it.
    void showCutNames();
    void open(QTreeWidgetItem* item);

    QStringList mountPoints_;
    QString path_;
};

} // namespace zentadial
