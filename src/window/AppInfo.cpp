#include "window/AppInfo.h"

namespace window {

std::string WindowCaption() {
    return std::string(kAppTitle) + " " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

}  // namespace window
