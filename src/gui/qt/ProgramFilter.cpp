#include "gui/qt/ProgramFilter.h"

#include <QFileSystemModel>

namespace qtface {

void ProgramFilter::SetActive(bool active) {
    active_ = active;
    invalidateFilter();
}

bool ProgramFilter::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!active_ || files == nullptr) {
        return true;
    }
    const QFileInfo file = files->fileInfo(files->index(row, 0, parent));
    return file.isDir() || file.isExecutable();
}

} // namespace qtface
