#include "gallery/ReferencePictures.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "gallery/FrmButtons.h"
#include "gallery/LayoutFile.h"
#include "gfx/Canvas.h"
#include "gfx/Image.h"
#include "platform/headless/HeadlessBackend.h"

namespace gallery {

const std::vector<std::string> kButtonStates = {"normal", "hot",      "pressed", "focused",
                                                "default", "disabled", "checked"};

namespace {

constexpr int kStyles = 8;
constexpr int kShapes = 7;

gfx::Bitmap Cut(const gfx::Bitmap& from, const gfx::Rect& r) {
    gfx::Bitmap out(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) out.SetRaw(x, y, from.Raw(r.left + x, r.top + y));
    return out;
}

// Drives the gallery with real input on the headless backend and cuts pictures from its window.
class Stage {
public:
    Stage() : form_(app_, BuiltInLayout()) {
        form_.Show();
        app_.DoEvents();
    }

    gfx::Bitmap Shot(const ui::Control& c) {
        app_.DoEvents();
        return Cut(form_.Framebuffer(), c.FormRect());
    }

    gfx::Bitmap ButtonIn(widgets::XPButton& b, const std::string& state) {
        gfx::Rect r = b.FormRect();
        int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
        gfx::Bitmap shot;
        if (state == "normal") {
            shot = Shot(b);
        } else if (state == "hot") {
            Move(cx, cy);
            shot = Shot(b);
        } else if (state == "pressed") {
            Move(cx, cy);
            backend_.MouseDown(form_.Window(), cx, cy);
            shot = Shot(b);
            backend_.MouseUp(form_.Window(), 2, 2);  // released outside: no click
        } else if (state == "focused") {
            b.SetFocus();
            shot = Shot(b);
        } else if (state == "default") {
            ui::Control* was = form_.DefaultButton();
            form_.SetDefaultButton(&b);
            shot = Shot(b);
            form_.SetDefaultButton(was);
        } else if (state == "disabled") {
            b.SetEnabled(false);
            shot = Shot(b);
            b.SetEnabled(true);
        } else {
            b.SetMode(1);
            b.SetValue(true);
            shot = Shot(b);
            b.SetMode(0);
        }
        Rest();
        return shot;
    }

    FrmButtons& Form() { return form_; }

private:
    void Move(int x, int y) {
        backend_.Move(form_.Window(), x, y);
        app_.DoEvents();
    }
    // Pointer away, hover over, no focus: the next state starts from normal.
    void Rest() {
        Move(2, 2);
        app_.RunFor(2 * widgets::XPButton::kHoverIntervalMs);
        form_.SetFocusTo(nullptr);
        app_.DoEvents();
    }

    platform::HeadlessBackend backend_;
    ui::App app_{backend_};
    FrmButtons form_;
};

std::string GridName(int style, int shape) { return "G" + std::to_string(style) + std::to_string(shape); }

std::string PictureName(int style, int shape, const std::string& state) {
    return "style" + std::to_string(style) + "-shape" + std::to_string(shape) + "-" + state;
}

}  // namespace

std::vector<ReferencePicture> RenderReferencePictures(gfx::Bitmap* window) {
    Stage stage;
    FrmButtons& form = stage.Form();
    std::vector<ReferencePicture> out;
    if (window) *window = form.Framebuffer();
    for (int s = 0; s < kStyles; ++s)
        for (int h = 0; h < kShapes; ++h)
            for (const std::string& state : kButtonStates)
                out.push_back({PictureName(s, h, state), stage.ButtonIn(form.Button(GridName(s, h)), state)});
    for (const char* panel : {"Tools", "Modes", "GroupA", "GroupB", "States", "Special", "Pictures", "Gradients",
                              "Captions"})
        out.push_back({std::string("panel-") + panel, stage.Shot(form.Placement(panel))});
    // Design mode: style 5 marks its outline, and the special panel's round one its ellipse.
    form.SetSheetDesignMode(true);
    for (int h = 0; h < kShapes; ++h)
        out.push_back({"design-style5-shape" + std::to_string(h), stage.Shot(form.Button(GridName(5, h)))});
    out.push_back({"design-panel-Special", stage.Shot(form.Placement("Special"))});
    form.SetSheetDesignMode(false);
    return out;
}

uint64_t PixelDigest(const gfx::Bitmap& b) {
    uint64_t h = 0xcbf29ce484222325ull;
    auto add = [&h](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 0x100000001b3ull;
        }
    };
    add(static_cast<uint32_t>(b.Width()));
    add(static_cast<uint32_t>(b.Height()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) add(b.Raw(x, y));
    return h;
}

std::string DigestText(const std::vector<ReferencePicture>& pictures) {
    std::string out;
    char digest[20];
    for (const ReferencePicture& p : pictures) {
        std::snprintf(digest, sizeof digest, "%016" PRIx64, PixelDigest(p.pixels));
        out += p.name + " " + digest + "\n";
    }
    return out;
}

gfx::Bitmap ContactSheet(const std::vector<ReferencePicture>& pictures, const gfx::Bitmap& window) {
    constexpr int kCell = 96, kRow = 36;
    int cols = static_cast<int>(kButtonStates.size());
    int tableWidth = 2 * cols * kCell;  // two grid rows side by side
    int tableRows = (kStyles * kShapes + 1) / 2;
    int width = std::max(window.Width(), tableWidth);
    gfx::Bitmap sheet(width, window.Height() + 8 + tableRows * kRow, 0xFFFFFF);
    gfx::Canvas canvas(sheet);
    canvas.Blit(0, 0, window);
    size_t i = 0;
    for (int n = 0; n < kStyles * kShapes; ++n)
        for (int c = 0; c < cols; ++c, ++i) {
            int x = (n % 2) * cols * kCell + c * kCell, y = window.Height() + 8 + (n / 2) * kRow;
            canvas.Blit(x, y, pictures[i].pixels);
        }
    return sheet;
}

bool RenderToFolder(const std::string& dir, std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    gfx::Bitmap window;
    std::vector<ReferencePicture> pictures = RenderReferencePictures(&window);
    auto write = [&](const std::string& name, const std::vector<unsigned char>& bytes) {
        std::ofstream out(dir + "/" + name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out && error) *error = "cannot write " + dir + "/" + name;
        return static_cast<bool>(out);
    };
    for (const ReferencePicture& p : pictures)
        if (!write(p.name + ".png", gfx::EncodePng(p.pixels))) return false;
    std::string digests = DigestText(pictures);
    if (!write("digests.txt", std::vector<unsigned char>(digests.begin(), digests.end()))) return false;
    return write("gallery.png", gfx::EncodePng(window)) &&
           write("contact-sheet.png", gfx::EncodePng(ContactSheet(pictures, window)));
}

}  // namespace gallery
