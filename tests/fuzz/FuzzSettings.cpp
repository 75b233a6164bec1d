// libFuzzer: the settings file as the store reads it, then saved and read back.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/SettingsStore.h"

namespace {

std::string Folder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::exists("/dev/shm") ? std::string("/dev/shm") : std::string("/tmp")) +
                              "/kelvaro-fuzz-XXXXXX";
        return std::string(mkdtemp(pattern.data()));
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = Folder() + "/settings.ini";
    std::filesystem::remove(path + ".bad");
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
    platform::SettingsStore store(path);
    const auto x = store.Get("SetLog", "frmMainX");
    const auto y = store.Get("setlog", "FRMMAINY");
    store.Set("SetLog", "frmMainX", "3495");
    if (!store.Save()) std::abort();  // the program's own save must always succeed
    // What was saved reads back: the program's value and what else was there.
    platform::SettingsStore again(path);
    if (again.LoadFailed() || again.Get("SetLog", "frmMainX") != "3495") std::abort();
    if (!store.LoadFailed() && y && again.Get("SetLog", "frmMainY") != y) std::abort();
    (void)x;
    return 0;
}
