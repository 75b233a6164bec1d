// A small form for the end-to-end tests of the platform and the forms runtime:
// a shaped window at a given position with a drag strip, a control that reports
// clicks, a control that asks a Yes/No question, and a 100 ms timer ticking.
// It reports on stdout, one line per happening.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/sdl/SdlBackend.h"
#include "ui/App.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"
#include "ui/Timer.h"

namespace {

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    int x = argc > 2 ? std::atoi(argv[1]) : 100;
    int y = argc > 2 ? std::atoi(argv[2]) : 100;
    std::string error;
    auto backend = platform::SdlBackend::Create(&error);
    if (!backend) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    ui::App app(*backend);
    ui::Form form(app, "TestForm");
    form.SetScaleMode(ui::ScaleMode::Pixels);
    form.SetBackColor(0xFFFFFF);
    form.SetBounds(gfx::Rect::FromSize(x, y, 300, 200));
    form.SetCaption("Kelvaro Test Form");
    // The top-left 20 x 20 corner is cut away: the root window shows there.
    form.SetOutline(gfx::Region::FromRect(0, 0, 300, 200).Subtract(gfx::Region::FromRect(0, 0, 20, 20)));

    ui::Image& strip = form.Add<ui::Image>("Strip");
    strip.SetBounds(gfx::Rect::FromSize(20, 0, 280, 30));
    strip.SetStartsDrag(true);
    form.FillBox(20, 0, 300, 30, 0xC06020);

    ui::PictureBox& target = form.Add<ui::PictureBox>("Target");
    target.SetScaleMode(ui::ScaleMode::Pixels);
    target.SetBounds(gfx::Rect::FromSize(40, 80, 100, 40));
    target.SetBackColor(0x0000FF);
    target.Click = [&target] {
        target.SetBackColor(0x00C000);
        Say("click");
    };

    ui::PictureBox& ask = form.Add<ui::PictureBox>("Ask");
    ask.SetScaleMode(ui::ScaleMode::Pixels);
    ask.SetBounds(gfx::Rect::FromSize(160, 80, 100, 40));
    ask.SetBackColor(0x808080);
    ask.Click = [&app, &form] {
        Say("asking");
        ui::MsgResult r = ui::MessageBox(app, &form, "继续吗？", ui::MsgButtons::YesNo, ui::MsgIcon::Question, 1,
                                         "Kelvaro Question");
        Say(r == ui::MsgResult::Yes ? "answer yes" : "answer no");
    };

    int ticks = 0;
    ui::Timer timer(app, "Tick");
    timer.SetInterval(100);
    timer.TimerEvent = [&ticks] { ++ticks; };
    timer.SetEnabled(true);

    form.Show();
    Say("shown");
    app.Run();
    std::printf("ticks %d\n", ticks);
    return 0;
}
