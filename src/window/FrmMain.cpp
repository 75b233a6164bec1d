#include "window/FrmMain.h"

#include <stdexcept>
#include <string>

#include "assets/Assets.h"
#include "ui/PropertyBag.h"
#include "window/PictureStore.h"

namespace window {

namespace {

constexpr gfx::Colour kNavy = 0x00800000;
constexpr gfx::Colour kRed = 0x000000FF;
constexpr gfx::Colour kWhite = 0x00FFFFFF;


ui::Label& AddLevelLabel(ui::Control& container, const char* name, const char* caption, gfx::Colour colour,
                         int left) {
    ui::Label& l = container.Add<ui::Label>(name);
    l.SetFont({"SimSun", 14.25, true});
    l.SetBackStyle(ui::BackStyle::Transparent);
    l.SetForeColor(colour);
    l.SetBounds(gfx::Rect::FromSize(left, 0, 20, 19));
    l.SetAutoSize(true);
    l.SetCaption(caption);
    l.SetStartsDrag(true);
    return l;
}

ui::Image& AddHiddenPicture(ui::Control& form, const char* name, const char* asset) {
    ui::Image& im = form.Add<ui::Image>(name);
    im.SetPicture(LoadAssetPicture(asset));
    im.SetBounds(gfx::Rect::FromSize(-100, -100, 16, 16));
    im.SetVisible(false);
    return im;
}

ui::FormData LoadFormData() {
    auto bytes = assets::Find("frmMain.frm");
    if (bytes.empty()) throw std::runtime_error("Kelvaro: the form data frmMain.frm is missing");
    ui::FormData data = ui::FormData::Parse(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    data.SetPictureResolver([](const std::string& name) { return LoadAssetPicture(name); });
    return data;
}

}  // namespace

FrmMain::FrmMain(ui::App& app, HandPointer hand) : ui::Form(app, "frmMain"), hand_(std::move(hand)) {
    SetScaleMode(ui::ScaleMode::Twips);
    SetBackColor(kWhite);
    SetBounds(gfx::Rect::FromSize(0, 0, 759, 569));
    SetIcon(LoadAssetPicture("icon32.png"));
    // The caption printed on the title bar.
    SetFont({"DejaVu Sans", 9, true});
    SetStartsDrag(true);
    Timer1 = std::make_unique<ui::Timer>(app, "Timer1");
    Timer1->SetInterval(200);
    Timer2 = std::make_unique<ui::Timer>(app, "Timer2");
    Timer2->SetInterval(2500);
    CreateBoardArea();
    CreateButtons();
    CreateSidePanel();
    CreateFrameImages();
}

FrmMain::~FrmMain() = default;

void FrmMain::GiveHand(ui::Control& c) {
    c.SetMouseIcon(hand_.picture, hand_.hotSpot);
    c.SetMousePointer(ui::kPointerCustom);
}

void FrmMain::CreateBoardArea() {
    Picture2 = &Add<ui::PictureBox>("Picture2");
    Picture2->SetBounds(gfx::Rect::FromSize(4, 32, 657, 513));
    Picture2->SetScaleMode(ui::ScaleMode::Twips);
    Picture2->SetBackColor(0x80000005);
    Picture2->SetStartsDrag(true);

    Picture1 = &Picture2->Add<ui::PictureBox>("Picture1");
    Picture1->SetBounds(gfx::Rect::FromSize(8, 24, 640, 480));
    Picture1->SetScaleMode(ui::ScaleMode::Pixels);
    Picture1->SetBackColor(kWhite);
    Picture1->SetForeColor(0);
    Picture1->SetPicture(LoadAssetPicture("board.png"));
    GiveHand(*Picture1);

    Picture3 = &Picture2->Add<ui::PictureBox>("Picture3");
    Picture3->SetBounds(gfx::Rect::FromSize(170, 4, 450, 10));
    Picture3->SetScaleMode(ui::ScaleMode::Pixels);
    Picture3->SetBackColor(kWhite);
    Picture3->SetStartsDrag(true);

    Label1 = &AddLevelLabel(*Picture2, "Label1", "第", kNavy, 56);
    Label3 = &AddLevelLabel(*Picture2, "Label3", "1", kRed, 88);
    Label3->SetAlignment(ui::Alignment::Center);
    Label2 = &AddLevelLabel(*Picture2, "Label2", "关", kNavy, 110);
}

void FrmMain::CreateButtons() {
    ui::FormData data = LoadFormData();
    struct Place {
        widgets::XPButton** field;
        const char* name;
        int top;
        int tabIndex;
    };
    const Place places[] = {{&XPButton1, "XPButton1", 104, 1}, {&XPButton2, "XPButton2", 176, 2},
                            {&XPButton5, "XPButton5", 248, 3}, {&XPButton4, "XPButton4", 320, 4},
                            {&XPButton3, "XPButton3", 392, 5}, {&XPButton6, "XPButton6", 464, 6}};
    for (const Place& p : places) {
        widgets::XPButton& b = Add<widgets::XPButton>(p.name);
        b.SetBounds(gfx::Rect::FromSize(664, p.top, 80, 33));
        b.SetTabIndex(p.tabIndex);
        b.ReadProperties(data.Section(p.name));
        *p.field = &b;
    }
}

void FrmMain::CreateSidePanel() {
    Label4 = &Add<ui::Label>("Label4");
    Label4->SetFont({"SimSun", 10.5, true});
    Label4->SetForeColor(kRed);
    Label4->SetBackColor(kWhite);
    Label4->SetBackStyle(ui::BackStyle::Opaque);
    Label4->SetAlignment(ui::Alignment::Center);
    Label4->SetBounds(gfx::Rect::FromSize(666, 38, 63, 14));
    Label4->SetCaption("> 下一关");
    Label4->SetVisible(false);
    GiveHand(*Label4);

    LbBR = &Add<ui::Label>("LbBR");
    LbBR->SetFont({"SimSun", 9});
    LbBR->SetBackStyle(ui::BackStyle::Transparent);
    LbBR->SetAlignment(ui::Alignment::Right);
    LbBR->SetForeColor(kWhite);
    LbBR->SetAutoSize(true);
    LbBR->SetToolTipText("查看版权所有者信息");
    GiveHand(*LbBR);
}

void FrmMain::CreateFrameImages() {
    IMBar = &Add<ui::Image>("IMBar");
    IMBar->SetBounds(gfx::Rect::FromSize(48, 0, 273, 25));
    IMBar->SetStartsDrag(true);

    Immin = &Add<ui::Image>("Immin");
    Immin->SetBounds(gfx::Rect::FromSize(336, 8, 17, 16));
    Immin->SetToolTipText("最小化");
    Imclose = &Add<ui::Image>("Imclose");
    Imclose->SetBounds(gfx::Rect::FromSize(360, 8, 17, 16));
    Imclose->SetToolTipText("关闭");
    GiveHand(*Immin);
    GiveHand(*Imclose);

    Imico = &AddHiddenPicture(*this, "Imico", "icon16.png");
    ImMin1 = &AddHiddenPicture(*this, "ImMin1", "min_hover.png");
    ImMin2 = &AddHiddenPicture(*this, "ImMin2", "min_pressed.png");
    ImClose1 = &AddHiddenPicture(*this, "ImClose1", "close_hover.png");
    ImClose2 = &AddHiddenPicture(*this, "ImClose2", "close_pressed.png");

    Pmain = &Add<ui::PictureBox>("Pmain");
    Pmain->SetScaleMode(ui::ScaleMode::Pixels);
    Pmain->SetBounds(gfx::Rect::FromSize(-300, -300, 271, 218));
    Pmain->SetPicture(LoadAssetPicture("skin.png"));
    Pmain->SetVisible(false);
}

}  // namespace window
