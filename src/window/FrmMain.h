#pragma once
// The main window and its controls, placed as the form data and the layout
// table give them. Behaviour lives in the procedures of the other window files
// and of the game; this class only builds the window.
#include <memory>

#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"
#include "widgets/xpbutton/XPButton.h"
#include "window/PictureStore.h"

namespace window {

class FrmMain : public ui::Form {
public:
    FrmMain(ui::App& app, HandPointer hand);
    ~FrmMain() override;

    ui::PictureBox* Picture2 = nullptr;  // board container
    ui::PictureBox* Picture1 = nullptr;  // the board
    ui::PictureBox* Picture3 = nullptr;  // the time bar
    ui::Label* Label1 = nullptr;         // "第"
    ui::Label* Label3 = nullptr;         // level number
    ui::Label* Label2 = nullptr;         // "关"
    widgets::XPButton* XPButton1 = nullptr;
    widgets::XPButton* XPButton2 = nullptr;
    widgets::XPButton* XPButton5 = nullptr;
    widgets::XPButton* XPButton4 = nullptr;
    widgets::XPButton* XPButton3 = nullptr;
    widgets::XPButton* XPButton6 = nullptr;
    ui::Label* Label4 = nullptr;         // continue
    ui::Label* LbBR = nullptr;           // rights notice, bottom right
    ui::Image* IMBar = nullptr;          // drag area over the title bar
    ui::Image* Imclose = nullptr;
    ui::Image* Immin = nullptr;
    ui::Image* Imico = nullptr;          // hidden: 16 x 16 icon
    ui::Image* ImMin1 = nullptr;         // hidden hover and pressed pictures
    ui::Image* ImMin2 = nullptr;
    ui::Image* ImClose1 = nullptr;
    ui::Image* ImClose2 = nullptr;
    ui::PictureBox* Pmain = nullptr;     // hidden: the window skin

    std::unique_ptr<ui::Timer> Timer1;   // link display wait
    std::unique_ptr<ui::Timer> Timer2;   // the game clock

private:
    void CreateBoardArea();
    void CreateButtons();
    void CreateSidePanel();
    void CreateFrameImages();
    // The board's and the links' hand pointer.
    void GiveHand(ui::Control& c);

    HandPointer hand_;
};

}  // namespace window
