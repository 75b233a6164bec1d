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
#include "window/PictureStore.h"
#include "window/SidePanel.h"

namespace window {

int32_t MainX = 0;
int32_t MainY = 0;
std::string AppPath;
std::string HelpFile;
std::function<void()> EndNow;

namespace {

constexpr int kWindowWidthTwips = 11385;
constexpr int kWindowHeightTwips = 8535;

std::unique_ptr<FrmMain> mainForm;
std::unique_ptr<platform::InstanceLock> instanceLock;
std::unique_ptr<platform::SettingsStore> settings;

// A stored coordinate that reads as a number, rounded halves to even.
std::optional<int32_t> StoredTwips(const char* key) {
    auto text = settings->Get(kSettingsSection, key);
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
bool Form_Initialize(const StartupEnv& env) {
    instanceLock = std::make_unique<platform::InstanceLock>(env.lockPath, env.lockFallbacks);
    if (!instanceLock->Acquire()) return false;
    if (!instanceLock->Held())
        std::fprintf(stderr, "%s: no lock file could be opened (%s); running without the single-instance guard\n",
                     kAppTitle, env.lockPath.c_str());
    return true;
}

void Form_Load(ui::App& app, const StartupEnv& env) {
    AppPath = env.programFolder;
    if (!AppPath.empty() && AppPath.back() == '/') AppPath.pop_back();
    HelpFile = platform::ProgramPath(AppPath, kHelpFile);

    // Centred on the screen at its magnified size; the position stays screen twips.
    gfx::Point screen = app.Backend().ScreenSize();
    const int scale = app.Backend().Scale();
    MainX = (screen.x * 15 - kWindowWidthTwips * scale) / 2;
    MainY = (screen.y * 15 - kWindowHeightTwips * scale) / 2;
    MainX = StoredTwips(kKeyX).value_or(MainX);
    MainY = StoredTwips(kKeyY).value_or(MainY);

    frmMain->SetCaption(WindowCaption());
    SetSidePanelTexts();
    frmMain->Show();

    frmMain->Picture3->PaintPicture(*Form2().Picture4, 0, 0, 450, 10);

    game::InitGameState();
    game::StartNewBoard();
}

}  // namespace

StartupEnv StartupEnv::ForUser() {
    return {platform::SettingsStore::DefaultPath(kAppTitle), platform::InstanceLock::DefaultPath(kAppTitle),
            platform::InstanceLock::FallbackPaths(kAppTitle), platform::ProgramFolder()};
}

int32_t RoundToLong(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

bool Main(ui::App& app, const StartupEnv& env) {
    if (!Form_Initialize(env)) {
        instanceLock.reset();
        return false;
    }
    app.SetTitle(kAppTitle);
    if (env.settingsPath.empty())
        std::fprintf(stderr, "%s: no home folder; the window position will not be kept\n", kAppTitle);
    SetUpDisplay(app);
    settings = std::make_unique<platform::SettingsStore>(env.settingsPath);
    mainForm = std::make_unique<FrmMain>(app);
    frmMain = mainForm.get();
    frmMain->ResizeEvent = Form_Resize;
    frmMain->UnloadEvent = Form_Unload;
    HookUpMainWindow(app, env.programFolder);
    Form_Load(app, env);
    return true;
}

void Form_Unload() {
    if (!frmMain || !settings) return;
    // The actual position, in twips, in the shortest form that reads back the same.
    auto text = [](float twips) {
        char buf[32];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, twips);
        return std::string(buf, ec == std::errc() ? end : buf);
    };
    gfx::Rect r = frmMain->Bounds();
    settings->Set(kSettingsSection, kKeyX, text(static_cast<float>(r.left * 15)));
    settings->Set(kSettingsSection, kKeyY, text(static_cast<float>(r.top * 15)));
    settings->Save();
}

void ConfirmExit() {
    if (!frmMain) return;
    ui::App& app = frmMain->GetApp();
    ui::MsgResult answer = ui::MessageBox(app, frmMain, "你确定要关闭并结束程序吗？", ui::MsgButtons::YesNo,
                                          ui::MsgIcon::Question, 1, app.Title());
    if (answer != ui::MsgResult::Yes || !frmMain) return;
    frmMain->Timer1->SetEnabled(false);
    frmMain->Timer2->SetEnabled(false);
    frmMain->Unload();
    app.Quit();
    if (EndNow) EndNow();
}

void EndProgram() {
    UnhookMainWindow();
    frmMain = nullptr;
    mainForm.reset();
    settings.reset();
    instanceLock.reset();
    UnloadForm2();
}

}  // namespace window
