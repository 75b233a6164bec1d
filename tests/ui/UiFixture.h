#pragma once
// A fresh App over the headless backend with one shown 320 x 240 form in
// pixels at screen position (100, 50).
#include <gtest/gtest.h>

#include "platform/headless/HeadlessBackend.h"
#include "ui/App.h"
#include "ui/Form.h"

namespace ui::test {

class UiFixture : public ::testing::Test {
protected:
    UiFixture() : app(backend), form(app, "frmTest") {
        form.SetScaleMode(ScaleMode::Pixels);
        form.SetBounds(gfx::Rect::FromSize(100, 50, 320, 240));
        form.SetBackColor(0xFFFFFF);
    }
    void ShowForm() {
        form.Show();
        win = form.Window();
        app.DoEvents();  // the window's first exposure
    }

    platform::HeadlessBackend backend;
    App app;
    Form form;
    platform::WindowId win = 0;
};

}  // namespace ui::test
