#pragma once
// The forms runtime's one object: the backend it runs on (not owned), the
// loaded forms, the timers and the event loop. Tests create a fresh App over a
// HeadlessBackend; there are no hidden singletons.
//
// The loop never spins: it waits in the backend for the next event or the next
// timer deadline. On the headless backend a wait that times out has advanced
// the virtual clock, so RunUntil/RunFor drive virtual time.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/Font.h"
#include "platform/Platform.h"
#include "ui/AppObserver.h"

namespace ui {

class Form;

// The App must outlive its forms and timers.
class App {
public:
    explicit App(platform::Backend& backend);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    platform::Backend& Backend() { return backend_; }
    // The application title: the settings name and the title of the program's message boxes.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    uint64_t Now() { return backend_.NowMs(); }

    // --- the loop ---
    // Runs until Quit() or until no form is loaded any more.
    void Run();
    // Processes whatever is pending (events, due timers), presents, returns.
    void DoEvents();
    // Waits for and dispatches events and timers until pred() holds. Returns
    // false if it stopped without pred holding: Quit() was called, or nothing can
    // ever happen again (no event, no timer, and the backend cannot wait).
    bool RunUntil(const std::function<bool()>& pred);
    // Runs everything due up to Now() + ms (virtual time on the headless backend).
    void RunFor(uint64_t ms);
    void Quit() { quit_ = true; }
    bool QuitRequested() const { return quit_; }
    // Clears a Quit() so a test can go on running.
    void ResetQuit() { quit_ = false; }
    // Called when the session asks the program to end (Quit event). Default:
    // unload every form (their QueryUnload/Unload run), then Quit().
    std::function<void()> SessionQuit;

    // --- forms (Form registers itself) ---
    const std::vector<Form*>& Forms() const { return forms_; }
    Form* FindForm(platform::WindowId window) const;
    void RegisterForm(Form* form);
    void UnregisterForm(Form* form);
    // Presents the changed areas of every form.
    void PresentAll();

    // --- modal boxes: while one is open, input for any other window is dropped ---
    void PushModal(Form* form);
    void PopModal(Form* form);
    Form* TopModal() const { return modal_.empty() ? nullptr : modal_.back(); }

    // --- timers (Timer and Control::SetTimer are built on these) ---
    // Repeating timer; the first tick comes intervalMs from now. Returns a handle (> 0).
    uint64_t StartTimer(int intervalMs, std::function<void()> callback);
    void StopTimer(uint64_t handle);
    bool IsTimerRunning(uint64_t handle) const { return timers_.count(handle) != 0; }
    // Earliest deadline of a timer that may fire now, if any.
    std::optional<uint64_t> NextDeadline() const;

    // --- the watcher (tests); not owned, nullptr for none ---
    void SetObserver(AppObserver* observer) { observer_ = observer; }
    AppObserver* Observer() const { return observer_; }

    // The user-interface font (SimSun 9 pt, a CJK face), loaded on first use.
    std::shared_ptr<const gfx::Font> DefaultFont();
    // Fonts by description, cached.
    std::shared_ptr<const gfx::Font> GetFont(const gfx::FontDesc& desc);

private:
    struct TimerSlot {
        int interval = 0;
        uint64_t deadline = 0;
        std::function<void()> callback;
        bool running = false;  // its callback is on the stack
    };

    void Dispatch(const platform::Event& e);
    bool IsInputEvent(const platform::Event& e) const;
    // Fires every timer whose deadline has passed; returns whether any fired.
    bool FireDueTimers();
    // One wait-and-dispatch step, waiting no later than limit (if any).
    bool Step(std::optional<uint64_t> limit);

    platform::Backend& backend_;
    std::string title_;
    std::vector<Form*> forms_;
    std::vector<Form*> modal_;
    std::map<uint64_t, std::shared_ptr<TimerSlot>> timers_;
    uint64_t nextTimer_ = 1;
    bool quit_ = false;
    AppObserver* observer_ = nullptr;
    std::vector<std::pair<gfx::FontDesc, std::shared_ptr<const gfx::Font>>> fonts_;
};

}  // namespace ui
