// The icons that stand for what bindings start or open.
#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

#include <string>

namespace qtface {

class BindingIcons {
  public:
    // Reads the installed applications' desktop entries: which program has which icon.
    BindingIcons();

    // A desktop entry's own icon, or that of the installed entry that starts the program;
    // otherwise the file type's icon from the theme (a folder's, a program's, a document's). A
    // null icon for an empty path.
    QIcon For(const std::string& path) const;

  private:
    QHash<QString, QString> installed_; // a program's full path: its entry's icon
};

} // namespace qtface
