#include "picker/folder_list.h"

#include "platform/path_text.h"
#include "platform/volumes.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace zentadial {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString absoluteClean(const QString& folder) {
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(folder)).absoluteFilePath());
}

} // namespace

FolderList::FolderList(const QStringList& mountPoints, QWidget* parent)
    : QTreeWidget(parent), mountPoints_(mountPoints) {
    setHeaderHidden(true);
    setColumnCount(1);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(fontMetrics().averageCharWidth() * 2);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);

    if (!setPath(QDir::currentPath())) {
        path_ = QDir::rootPath();
        rebuild();
    }
}

std::expected<void, QString> FolderList::setPath(const QString& folder) {
    if (folder.isEmpty()) {
        return std::unexpected(tr("No folder was given."));
    }
    const QString target = absoluteClean(folder);
    const QFileInfo info(target);
    if (!info.exists()) {
        return std::unexpected(tr("The folder %1 does not exist.").arg(target));
    }
    if (!info.isDir()) {
        return std::unexpected(tr("%1 is not a folder.").arg(target));
    }
    if (!info.isReadable() || !info.isExecutable()) {
        return std::unexpected(tr("You have no permission to open the folder %1.").arg(target));
    }
    path_ = target;
    rebuild();
    return {};
}

void FolderList::refresh() {
    rebuild();
}

QTreeWidgetItem* FolderList::itemFor(const QString& folder) const {
    const QString wanted = absoluteClean(folder);
    for (QTreeWidgetItemIterator it(const_cast<FolderList*>(this)); *it; ++it) {
        if ((*it)->data(0, kPathRole).toString() == wanted) {
            return *it;
        }
    }
    return nullptr;
}

QStringList FolderList::shownFolders() const {
    QStringList folders;
    // itemBelow() walks the rows as the view lays them out, so an entry under
    // a collapsed one does not count.
    for (QTreeWidgetItem* item = topLevelItem(0); item; item = itemBelow(item)) {
        folders.append(item->data(0, kPathRole).toString());
    }
    return folders;
}

void FolderList::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {
    // Every entry is always open, so expand arrows would only mislead.
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (QTreeWidgetItem* item = currentItem()) {
            open(item);
        }
        // Taken here, so that it never reaches the window as a button press.
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void FolderList::mouseDoubleClickEvent(QMouseEvent* event) {
    // Handled here rather than through itemDoubleClicked(): opening rebuilds
    // the entries, which must not happen under the base class's handler that
    // still holds the clicked one. itemActivated() is no choice either, since
    // some styles activate on a single click.
    if (event->button() == Qt::LeftButton) {
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) {
            open(item);
        }
        event->accept();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void FolderList::rebuild() {
    clear();

    QString root = volumeContaining(mountPoints_, path_);
    if (root.isEmpty()) {
        root = QDir::rootPath();
    }

    const QFileIconProvider icons;
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon folderIcon = icons.icon(QFileIconProvider::Folder);

    auto* item = new QTreeWidgetItem(this, QStringList{nativeFolderText(root)});
    item->setIcon(0, icons.icon(QFileIconProvider::Drive));
    item->setData(0, kPathRole, root);

    // The chain: one entry per folder between the volume's root and the
    // current folder.
    const QString below = path_.mid(root.size());
    QString walked = root;
    const QStringList steps = below.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        walked = joinedPath(walked, step);
        item = new QTreeWidgetItem(item, QStringList{step});
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, walked);
    }
    QTreeWidgetItem* current = item;

    // Hidden folders come after the others: the Wine and Proton prefixes the
    // simulator lives in on Linux (~/.wine/drive_c) are hidden.
    const QDir here(path_);
    const auto sortFlags = QDir::Name | QDir::IgnoreCase | QDir::LocaleAware;
    QFileInfoList subFolders = here.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, sortFlags);
    for (const QFileInfo& hidden :
         here.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, sortFlags)) {
        if (hidden.isHidden()) {
            subFolders.append(hidden);
        }
    }
    for (const QFileInfo& sub : subFolders) {
        auto* child = new QTreeWidgetItem(current, QStringList{sub.fileName()});
        child->setIcon(0, folderIcon);
        child->setData(0, kPathRole, joinedPath(path_, sub.fileName()));
    }

    expandAll();
    setCurrentItem(current);
    showCutNames();
    // Centred, so that the nearest folders above and below stay in sight.
    scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void FolderList::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    showCutNames();
}

void FolderList::showCutNames() {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int visibleRight = viewport()->width() + horizontalOffset();
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        const QModelIndex index = indexFromItem(*it);
        const int right = visualRect(index).left() + horizontalOffset() +
                          itemDelegate()->sizeHint(option, index).width();
        (*it)->setToolTip(0, right > visibleRight ? (*it)->text(0) : QString());
    }
}

void FolderList::open(QTreeWidgetItem* item) {
    const QString folder = item->data(0, kPathRole).toString();
    if (folder == path_) {
        return;
    }
    if (auto opened = setPath(folder); !opened) {
        Q_EMIT openFailed(folder, opened.error());
    }
}

} // namespace zentadial
