#include "window/Frame.h"

#include <cmath>
#include <string>

#include "ui/App.h"
#include "window/FrmMain.h"
#include "window/Startup.h"

namespace window {

namespace {

constexpr gfx::Colour kWhite = 0x00FFFFFF;

float W() { return frmMain->Width(); }
float H() { return frmMain->Height(); }

// The nine copies from the skin (and the icon) onto the window surface, in twips.
void PaintFrame() {
    const gfx::Bitmap& skin = *frmMain->Pmain->Picture();
    const float pw = 271 * 15.0f;
    const float ph = 218 * 15.0f;
    const float w = W();
    const float h = H();
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
    for (const Copy& c : copies) frmMain->PaintPicture(skin, c.x, c.y, c.cw, c.ch, c.sx, c.sy, c.sw, c.sh);
    if (frmMain->Imico->Picture()) frmMain->PaintPicture(*frmMain->Imico->Picture(), 100, 80, 240, 240, 0, 0, 240, 240);
}

void PrintCaption() {
    frmMain->SetForeColor(kWhite);
    frmMain->SetCurrentX(420);
    frmMain->SetCurrentY(100);
    frmMain->Print(frmMain->Caption());
}

// Keeps the window on the screen; a screen smaller than the window leaves the
// left or top edge negative, since the upper bound is applied last.
// The window's size on the screen is its size times the display scale.
void PlaceWindow() {
    platform::Backend& be = frmMain->GetApp().Backend();
    gfx::Point screen = be.ScreenSize();
    const float sw = screen.x * 15.0f;
    const float sh = screen.y * 15.0f;
    const float w = W() * static_cast<float>(be.Scale());
    const float h = H() * static_cast<float>(be.Scale());
    if (MainX < 0) MainX = 0;
    if (MainY < 0) MainY = 0;
    if (MainX > sw - w) MainX = RoundToLong(sw - w);
    if (MainY > sh - h) MainY = RoundToLong(sh - h);
    frmMain->Move(static_cast<float>(MainX), static_cast<float>(MainY));
}

// A title-bar image with its hover and pressed pictures.
struct TitleImage {
    ui::Image* image;
    ui::Image* hover;
    ui::Image* pressed;
};

void ShowLook(ui::Image* image, ui::Image* look) { image->SetPicture(look ? look->Picture() : nullptr); }

void WireTitleImage(TitleImage t, void (*action)()) {
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
    t.image->Click = action;
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

void RMe() {
    int w = RoundToLong(W() / 15.0);
    int h = RoundToLong(H() / 15.0);
    frmMain->SetOutline(BuildOutline(w, h));
}

void Form_Resize() {
    if (!frmMain) return;
    FrmMain& f = *frmMain;
    f.LbBR->SetForeColor(kWhite);
    f.LbBR->Move(W() - f.LbBR->Width() - 120, H() - f.LbBR->Height() - 75);
    if (W() - 675 > 0) f.IMBar->SetWidth(W() - 675);
    f.Immin->Move(W() - 630, 75);
    f.Imclose->Move(W() - 315, 75);
    PaintFrame();
    PrintCaption();
    RMe();
    // Moving a minimised window fails; the restore runs this pass again.
    if (f.GetWindowState() != ui::WindowState::Minimized) PlaceWindow();
}

void ResetTitleButtons() {
    for (ui::Image* im : {frmMain->Imclose, frmMain->Immin}) {
        if (!im->Tag().empty()) {
            im->SetPicture(nullptr);
            im->SetTag("");
        }
    }
}

void MinimiseWindow() {
    MainX = RoundToLong(frmMain->Left());
    MainY = RoundToLong(frmMain->Top());
    frmMain->Minimize();
}

void WireFrameHandlers() {
    FrmMain& f = *frmMain;
    WireTitleImage({f.Imclose, f.ImClose1, f.ImClose2}, ConfirmExit);
    WireTitleImage({f.Immin, f.ImMin1, f.ImMin2}, MinimiseWindow);
    auto reset = [](int, int, float, float) { ResetTitleButtons(); };
    f.MouseMove = reset;
    f.IMBar->MouseMove = reset;
}

}  // namespace window
