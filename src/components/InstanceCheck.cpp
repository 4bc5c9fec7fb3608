#include "components/InstanceCheck.h"

#include "components/OneInstance.h"
#include "components/SplitCommandLine.h"

namespace components {

namespace {

TInstanceCheck*& TheObject() {
    static TInstanceCheck* object = nullptr;
    return object;
}

std::string CreateErrorMessage(const std::string& className) {
    return "Es kann nur ein einziges " + className + "-Objekt erstellt werden";
}

} // namespace

TInstanceCheck::TInstanceCheck(std::function<void()> bringToFront)
    : bringToFront_(std::move(bringToFront)) {
    if (TheObject() != nullptr) {
        throw ECreateError(CreateErrorMessage("TInstanceCheck"));
    }
    TheObject() = this;
}

TInstanceCheck::~TInstanceCheck() {
    if (TheObject() == this) {
        TheObject() = nullptr;
    }
}

bool TInstanceCheck::HandOver(std::uint32_t processId, const std::string& commandLine) {
    TInstanceCheck* object = TheObject();
    if (object == nullptr) {
        return true;
    }
    if (!object->OnNewInstance) {
        return false;
    }
    bool allow = false;
    const std::vector<std::string> params = SplitCommandLine(commandLine);
    object->OnNewInstance(*object, processId, params, allow);
    if (!allow && object->bringToFront_) {
        object->bringToFront_();
    }
    return allow;
}

void InstallInstanceCheckHook() {
    SetNewInstanceHook(&TInstanceCheck::HandOver);
}

} // namespace components
