// The file chooser's choice of programs on Linux, where a program is a file the user may
// execute, whatever its name: the chooser's file list through this filter while it is on.
#pragma once

#include <QSortFilterProxyModel>

namespace qtface {

class ProgramFilter : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    // Off, every file passes; folders always do.
    void SetActive(bool active);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    bool active_ = false;
};

} // namespace qtface
