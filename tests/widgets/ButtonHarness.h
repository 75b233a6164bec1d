#pragma once
// A headless form with skinned buttons on it, driven by scripted input and a
// virtual clock.
#include <memory>

#include "platform/headless/HeadlessBackend.h"
#include "support/MessageBoxScript.h"
#include "ui/App.h"
#include "ui/Form.h"
#include "widgets/xpbutton/XPButton.h"

namespace widgets::testing {

struct ButtonHarness {
    platform::HeadlessBackend backend;
    ui::App app{backend};
    ui::Form form{app, "frmMain"};
    kelvaro_test::MessageBoxScript boxes;

    ButtonHarness() {
        form.SetBounds(gfx::Rect::FromSize(100, 100, 300, 400));
        app.SetObserver(&boxes);
    }

    XPButton& AddButton(const std::string& name, int x, int y, int w = 80, int h = 33) {
        XPButton& b = form.Add<XPButton>(name);
        b.SetBounds(gfx::Rect::FromSize(x, y, w, h));
        return b;
    }
    void Show() {
        form.Show();
        app.DoEvents();
    }
    platform::WindowId Win() const { return form.Window(); }
    void MoveTo(int x, int y, int buttons = 0) {
        backend.Move(Win(), x, y, buttons);
        app.DoEvents();
    }
};

}  // namespace widgets::testing
