#include "dialogs/DroppedFile.h"

#include "integration/LinkFile.h"

namespace dialogs {

DroppedBinding BindingOfDroppedFile(const std::string& path) {
    if (const auto linked = integration::ReadLinkFile(path)) {
        return {linked->target, linked->workingDirectory, linked->arguments, true};
    }
    return {path, "", "", false};
}

} // namespace dialogs
