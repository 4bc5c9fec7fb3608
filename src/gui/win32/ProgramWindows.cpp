#include "gui/win32/ProgramWindows.h"

namespace wingui {

ProgramWindows::ProgramWindows(core::ProgramState& state) {
    program.emplace(state, main, hub, admin);
    main.Attach(&program->launcher);
    hub.Attach(&program->hub);
    admin.Attach(&program->admin);
}

ProgramWindows::~ProgramWindows() {
    main.Attach(nullptr);
    hub.Attach(nullptr);
    admin.Attach(nullptr);
    program.reset();
}

} // namespace wingui
