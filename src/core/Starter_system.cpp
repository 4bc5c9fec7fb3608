#include "core/Starter.h"

#include "platform/Elevation.h"
#include "platform/Shell.h"

namespace core {

bool StartProgram(const StartRequest& request) {
    return request.elevated ? platform::RunElevated(request.file, request.params, request.directory,
                                                    request.user, request.password)
                            : platform::ShellOpen(request.file, request.params, request.directory);
}

} // namespace core
