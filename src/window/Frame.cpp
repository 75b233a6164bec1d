#include "window/Frame.h"

#include <cmath>
#include <string>

#include "ui/App.h"
#include "window/FrmMain.h"
#include "window/Program.h"
#include "window/Startup.h"

namespace window {

namespace {

constexpr gfx::Colour kWhite = 0x00FFFFFF;


// The nine copies from the skin (and the icon) onto the window surface, in twips.
void PaintFrame(FrmMain& f) {
    const gfx::Bitmap& skin = *f.Pmain->Picture();
    const float pw = 271 * 15.0f;
    const float ph = 218 * 15.0f;
    const float w = f.Width();
    const float h = f.Height();
    struct Copy {
        float x, y, cw, ch, sx, sy, sw, sh;
    };
    const Copy copies[] = {
        {420, 0, w, 600, 420, 0, 120, 600},                            // title bar
        {420, h - 600, w, 600, 420, ph - 600, 120, 600},               // bottom bar
        {0, 0, 200, h, 0, 880, 200, 40},                               // left edge
        {w - 200, 0, 200, h, pw - 200, 880, 200, 40},                  // right edge
        {0, 0, 450, 600, 0, 0, 450, 600},                              // top-left corner
        {0, h - 600, 450, 600, 0, ph - 600, 450, 600},                 // bottom-left corner
        {w - 1665, 0, 1665, 435, pw - 1665, 0, 1665, 435},             // top-right corner, buttons
        {w - 1665, h - 525, 1665, 525, pw - 1665, ph - 525, 1665, 525} // bottom-right corner
    };
    for (const Copy& c : copies) f.PaintPicture(skin, c.x, c.y, c.cw, c.ch, c.sx, c.sy, c.sw, c.sh);
    if (f.Imico->Picture()) f.PaintPicture(*f.Imico->Picture(), 100, 80, 240, 240, 0, 0, 240, 240);
}

void PrintCaption(FrmMain& f) {
    f.SetForeColor(kWhite);
    f.SetCurrentX(420);
    f.SetCurrentY(100);
    f.Print(f.Caption());
}

// Keeps the window on the screen; a screen smaller than the window leaves the
// left or top edge negative, since the upper bound is applied last.
// The window's size on the screen is its size times the display scale.
void PlaceWindow(Program& p) {
    FrmMain& f = *p.frmMain;
    platform::Backend& be = p.app.Backend();
    gfx::Point screen = be.ScreenSize();
    const float sw = screen.x * 15.0f;
    const float sh = screen.y * 15.0f;
    const float w = f.Width() * static_cast<float>(be.Scale());
    const float h = f.Height() * static_cast<float>(be.Scale());
    if (p.MainX < 0) p.MainX = 0;
    if (p.MainY < 0) p.MainY = 0;
    if (p.MainX > sw - w) p.MainX = RoundToLong(sw - w);
    if (p.MainY > sh - h) p.MainY = RoundToLong(sh - h);
    f.Move(static_cast<float>(p.MainX), static_cast<float>(p.MainY));
}

// A title-bar image with its hover and pressed pictures.
struct TitleImage {
    ui::Image* image;
    ui::Image* hover;
    ui::Image* pressed;
};

void ShowLook(ui::Image* image, ui::Image* look) { image->SetPicture(look ? look->Picture() : nullptr); }

void WireTitleImage(TitleImage t, std::function<void()> action) {
    t.image->MouseMove = [t](int, int, float, float) {
        if (t.image->Tag().empty()) {
            ShowLook(t.image, t.hover);
            t.image->SetTag("1");
        }
    };
    t.image->MouseDown = [t](int, int, float, float) { ShowLook(t.image, t.pressed); };
    t.image->MouseUp = [t](int, int, float, float) {
        ShowLook(t.image, nullptr);
        t.image->SetTag("");
    };
    t.image->Click = std::move(action);
}

}  // namespace

gfx::Region BuildOutline(int w, int h) {
    gfx::Region r = gfx::Region::FromRect(0, 5, w, h - 5);
    r = r.Union(gfx::Region::FromRect(5, 0, w - 5, h));
    r = r.Union(gfx::Region::FromEllipse(-2, 0, 15, 35));
    r = r.Union(gfx::Region::FromEllipse(w - 15, 0, w + 2, 20));
    r = r.Union(gfx::Region::FromEllipse(-1, h - 20, 10, h));
    r = r.Union(gfx::Region::FromEllipse(w - 20, h - 40, w + 3, h + 4));
    return r;
}

void RMe(FrmMain& f) {
    int w = RoundToLong(f.Width() / 15.0);
    int h = RoundToLong(f.Height() / 15.0);
    f.SetOutline(BuildOutline(w, h));
}

void Form_Resize(Program& p) {
    if (!p.frmMain) return;
    FrmMain& f = *p.frmMain;
    const float w = f.Width();
    const float h = f.Height();
    f.LbBR->SetForeColor(kWhite);
    f.LbBR->Move(w - f.LbBR->Width() - 120, h - f.LbBR->Height() - 75);
    if (w - 675 > 0) f.IMBar->SetWidth(w - 675);
    f.Immin->Move(w - 630, 75);
    f.Imclose->Move(w - 315, 75);
    PaintFrame(f);
    PrintCaption(f);
    RMe(f);
    // Moving a minimised window fails; the restore runs this pass again.
    if (f.GetWindowState() != ui::WindowState::Minimized) PlaceWindow(p);
}

void ResetTitleButtons(FrmMain& f) {
    for (ui::Image* im : {f.Imclose, f.Immin}) {
        if (!im->Tag().empty()) {
            im->SetPicture(nullptr);
            im->SetTag("");
        }
    }
}

void MinimiseWindow(Program& p) {
    p.MainX = RoundToLong(p.frmMain->Left());
    p.MainY = RoundToLong(p.frmMain->Top());
    p.frmMain->Minimize();
}

void WireFrameHandlers(Program& p) {
    FrmMain& f = *p.frmMain;
    WireTitleImage({f.Imclose, f.ImClose1, f.ImClose2}, [&p] { ConfirmExit(p); });
    WireTitleImage({f.Immin, f.ImMin1, f.ImMin2}, [&p] { MinimiseWindow(p); });
    auto reset = [&f](int, int, float, float) { ResetTitleButtons(f); };
    f.MouseMove = reset;
    f.IMBar->MouseMove = reset;
}

}  // namespace window
