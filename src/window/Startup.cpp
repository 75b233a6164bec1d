#include "window/Startup.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "game/BoardDrawing.h"
#include "game/GameState.h"
#include "platform/InstanceLock.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"
#include "ui/App.h"
#include "ui/MessageBox.h"
#include "window/AppInfo.h"
#include "window/DisplaySetup.h"
#include "window/Frame.h"
#include "window/FrmMain.h"
#include "window/GameHookup.h"
#include "window/Program.h"
#include "window/PictureStore.h"
#include "window/SidePanel.h"

namespace window {

namespace {

constexpr int kWindowWidthTwips = 11385;
constexpr int kWindowHeightTwips = 8535;

// A stored coordinate that reads as a number, rounded halves to even.
std::optional<int32_t> StoredTwips(platform::SettingsStore& settings, const char* key) {
    auto text = settings.Get(kSettingsSection, key);
    if (!text) return std::nullopt;
    double v = 0;
    const char* first = text->data();
    const char* last = first + text->size();
    while (first < last && *first == ' ') ++first;
    auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || end == first || !std::isfinite(v) || std::fabs(v) > 2147483647.0) return std::nullopt;
    while (end < last && *end == ' ') ++end;
    if (end != last) return std::nullopt;
    return RoundToLong(v);
}

// A second instance ends here, before any window exists.
bool Form_Initialize(Program& p) {
    p.instanceLock = std::make_unique<platform::InstanceLock>(p.env.lockPath, p.env.lockFallbacks);
    if (!p.instanceLock->Acquire()) return false;
    if (!p.instanceLock->Held())
        std::fprintf(stderr, "%s: no lock file could be opened (%s); running without the single-instance guard\n",
                     kAppTitle, p.env.lockPath.c_str());
    return true;
}

void Form_Load(Program& p) {
    p.AppPath = p.env.programFolder;
    if (!p.AppPath.empty() && p.AppPath.back() == '/') p.AppPath.pop_back();
    p.HelpFile = platform::ProgramPath(p.AppPath, kHelpFile);

    // Centred on the screen at its magnified size; the position stays screen twips.
    gfx::Point screen = p.app.Backend().ScreenSize();
    const int scale = p.app.Backend().Scale();
    p.MainX = (screen.x * 15 - kWindowWidthTwips * scale) / 2;
    p.MainY = (screen.y * 15 - kWindowHeightTwips * scale) / 2;
    p.MainX = StoredTwips(*p.settings, kKeyX).value_or(p.MainX);
    p.MainY = StoredTwips(*p.settings, kKeyY).value_or(p.MainY);

    FrmMain& f = *p.frmMain;
    f.SetCaption(WindowCaption());
    SetSidePanelTexts(f);
    f.Show();

    f.Picture3->PaintPicture(*p.Form2->Picture4, 0, 0, 450, 10);

    game::InitGameState();
    game::StartNewBoard(*p.game);
}

}  // namespace

StartupEnv StartupEnv::ForUser() {
    return {platform::SettingsStore::DefaultPath(kAppTitle), platform::InstanceLock::DefaultPath(kAppTitle),
            platform::InstanceLock::FallbackPaths(kAppTitle), platform::ProgramFolder()};
}

Program::Program(platform::Backend& backend, StartupEnv startupEnv) : app(backend), env(std::move(startupEnv)) {}

int32_t RoundToLong(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

bool Main(Program& p) {
    if (!Form_Initialize(p)) {
        p.instanceLock.reset();
        return false;
    }
    p.app.SetTitle(kAppTitle);
    if (p.env.settingsPath.empty())
        std::fprintf(stderr, "%s: no home folder; the window position will not be kept\n", kAppTitle);
    HandPointer hand = LoadHandPointer();
    SetUpDisplay(p.app, hand);
    p.settings = std::make_unique<platform::SettingsStore>(p.env.settingsPath);
    if (!p.Form2) p.Form2 = LoadForm2();  // a store given beforehand is kept
    p.frmMain = std::make_unique<FrmMain>(p.app, std::move(hand));
    p.frmMain->ResizeEvent = [&p] { Form_Resize(p); };
    p.frmMain->UnloadEvent = [&p] { Form_Unload(p); };
    HookUpMainWindow(p);
    Form_Load(p);
    return true;
}

void Form_Unload(Program& p) {
    if (!p.frmMain || !p.settings) return;
    // The actual position, in twips, in the shortest form that reads back the same.
    auto text = [](float twips) {
        char buf[32];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, twips);
        return std::string(buf, ec == std::errc() ? end : buf);
    };
    gfx::Rect r = p.frmMain->Bounds();
    p.settings->Set(kSettingsSection, kKeyX, text(static_cast<float>(r.left * 15)));
    p.settings->Set(kSettingsSection, kKeyY, text(static_cast<float>(r.top * 15)));
    p.settings->Save();
}

void ConfirmExit(Program& p) {
    if (!p.frmMain) return;
    ui::MsgResult answer = ui::MessageBox(p.app, p.frmMain.get(), "你确定要关闭并结束程序吗？", ui::MsgButtons::YesNo,
                                          ui::MsgIcon::Question, 1, p.app.Title());
    if (answer != ui::MsgResult::Yes || !p.frmMain) return;
    p.frmMain->Timer1->SetEnabled(false);
    p.frmMain->Timer2->SetEnabled(false);
    p.frmMain->Unload();
    p.app.Quit();
    if (p.EndNow) p.EndNow();
}

}  // namespace window
