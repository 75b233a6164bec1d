// kelvaro-buttons: the skinned button's gallery, on the game's runtime.
//   kelvaro-buttons              the gallery in a window
//   kelvaro-buttons --form FILE  the same with a layout saved earlier
//   kelvaro-buttons --render DIR the reference pictures as PNG files, without a display
#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "gallery/FrmButtons.h"
#include "gallery/LayoutFile.h"
#include "gallery/ReferencePictures.h"
#include "platform/sdl/SdlBackend.h"
#include "ui/App.h"

namespace {

constexpr const char* kUsage = "usage: kelvaro-buttons [--form FILE | --render DIR | --help]\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

int Render(const std::string& dir) {
    std::string error;
    if (!gallery::RenderToFolder(dir, &error)) {
        std::fprintf(stderr, "kelvaro-buttons: %s\n", error.c_str());
        return 1;
    }
    std::printf("wrote the reference pictures to %s\n", dir.c_str());
    return 0;
}

int Show(const std::string& layoutFile) {
    std::string error;
    std::unique_ptr<platform::SdlBackend> backend = platform::SdlBackend::Create(&error);
    if (!backend) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    ui::App app(*backend);
    app.SetTitle(gallery::FrmButtons::kTitle);
    std::string layout = layoutFile.empty() ? gallery::BuiltInLayout() : gallery::ReadLayoutFile(layoutFile);
    gallery::FrmButtons form(app, layout);
    form.Show();
    app.Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string render, form;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" && argc == 2) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if ((a == "--render" || a == "--form") && i + 1 < argc) {
            (a == "--render" ? render : form) = argv[++i];
        } else {
            return Usage();
        }
    }
    if (!render.empty() && !form.empty()) return Usage();
    try {
        return render.empty() ? Show(form) : Render(render);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
