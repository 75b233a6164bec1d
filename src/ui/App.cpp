#include "ui/App.h"

#include <algorithm>
#include <climits>

#include "ui/Form.h"

namespace ui {

App::App(platform::Backend& backend) : backend_(backend) {}

App::~App() = default;

// --- loop ---

void App::Run() {
    auto anyLoaded = [this] {
        return std::any_of(forms_.begin(), forms_.end(), [](Form* f) { return f->IsLoaded(); });
    };
    while (!quit_ && anyLoaded())
        if (!Step(std::nullopt)) break;
}

void App::DoEvents() {
    platform::Event e;
    while (!quit_ && backend_.PollEvent(e)) Dispatch(e);
    FireDueTimers();
    PresentAll();
}

bool App::RunUntil(const std::function<bool()>& pred) {
    for (;;) {
        if (pred()) return true;
        if (quit_) return false;
        if (!Step(std::nullopt)) return pred();
    }
}

void App::RunFor(uint64_t ms) {
    uint64_t end = Now() + ms;
    DoEvents();
    while (!quit_ && Now() < end)
        if (!Step(end)) break;
    DoEvents();
}

bool App::Step(std::optional<uint64_t> limit) {
    FireDueTimers();
    PresentAll();
    std::optional<uint64_t> next = NextDeadline();
    if (limit && (!next || *limit < *next)) next = limit;
    int timeout = -1;
    if (next) {
        uint64_t now = Now();
        uint64_t wait = *next > now ? *next - now : 0;
        timeout = static_cast<int>(std::min<uint64_t>(wait, INT_MAX));
    }
    platform::Event e;
    if (backend_.WaitEvent(e, timeout)) {
        Dispatch(e);
    } else if (timeout < 0) {
        return false;  // nothing queued and nothing scheduled: nothing can ever happen
    }
    FireDueTimers();
    PresentAll();
    return true;
}

bool App::IsInputEvent(const platform::Event& e) const {
    using T = platform::EventType;
    switch (e.type) {
        case T::MouseDown: case T::MouseUp: case T::MouseMove: case T::DoubleClick:
        case T::KeyDown: case T::KeyUp: case T::Char: case T::CloseRequested: case T::DragStarted:
            return true;
        default:
            return false;
    }
}

void App::Dispatch(const platform::Event& e) {
    if (e.type == platform::EventType::Quit) {
        if (SessionQuit) {
            SessionQuit();
        } else {
            std::vector<Form*> forms(forms_.rbegin(), forms_.rend());
            for (Form* f : forms)
                if (std::find(forms_.begin(), forms_.end(), f) != forms_.end()) f->Unload();
            Quit();
        }
        return;
    }
    // A modal box takes all input; the other windows still paint and tick.
    Form* modal = TopModal();
    if (modal && IsInputEvent(e) && e.window != modal->Window()) {
        // A press on the owner would take the keyboard from the box: give it back.
        using T = platform::EventType;
        if (e.type == T::MouseDown || e.type == T::DoubleClick || e.type == T::DragStarted)
            backend_.RaiseWindow(modal->Window());
        return;
    }
    if (Form* f = FindForm(e.window)) f->HandleEvent(e);
}

// --- forms ---

Form* App::FindForm(platform::WindowId window) const {
    if (window == 0) return nullptr;
    for (Form* f : forms_)
        if (f->Window() == window) return f;
    return nullptr;
}

void App::RegisterForm(Form* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void App::UnregisterForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    PopModal(form);
}

void App::PresentAll() {
    std::vector<Form*> forms = forms_;  // a paint may load or unload a form
    for (Form* f : forms)
        if (std::find(forms_.begin(), forms_.end(), f) != forms_.end()) f->Flush();
}

void App::PushModal(Form* form) { modal_.push_back(form); }

void App::PopModal(Form* form) { modal_.erase(std::remove(modal_.begin(), modal_.end(), form), modal_.end()); }

// --- timers ---

uint64_t App::StartTimer(int intervalMs, std::function<void()> callback) {
    auto slot = std::make_shared<TimerSlot>();
    slot->interval = std::max(intervalMs, 1);
    slot->deadline = Now() + static_cast<uint64_t>(slot->interval);
    slot->callback = std::move(callback);
    uint64_t id = nextTimer_++;
    timers_[id] = std::move(slot);
    return id;
}

void App::StopTimer(uint64_t handle) { timers_.erase(handle); }

std::optional<uint64_t> App::NextDeadline() const {
    std::optional<uint64_t> best;
    for (const auto& [id, slot] : timers_)
        if (!slot->running && (!best || slot->deadline < *best)) best = slot->deadline;
    return best;
}

bool App::FireDueTimers() {
    uint64_t now = Now();
    std::vector<std::pair<uint64_t, uint64_t>> due;  // deadline, id
    for (const auto& [id, slot] : timers_)
        if (!slot->running && slot->deadline <= now) due.emplace_back(slot->deadline, id);
    std::sort(due.begin(), due.end());
    bool fired = false;
    for (const auto& [deadline, id] : due) {
        auto it = timers_.find(id);
        if (it == timers_.end()) continue;  // stopped by an earlier handler
        std::shared_ptr<TimerSlot> slot = it->second;  // keeps the callback alive if stopped inside
        if (slot->running || slot->deadline > Now()) continue;
        // Keep the cadence; a timer that fell far behind does not catch up with a burst.
        slot->deadline += static_cast<uint64_t>(slot->interval);
        if (slot->deadline <= Now()) slot->deadline = Now() + static_cast<uint64_t>(slot->interval);
        slot->running = true;
        slot->callback();
        slot->running = false;
        fired = true;
    }
    return fired;
}

// --- fonts ---

std::shared_ptr<const gfx::Font> App::DefaultFont() { return GetFont(gfx::FontDesc{"SimSun", 9.0}); }

std::shared_ptr<const gfx::Font> App::GetFont(const gfx::FontDesc& desc) {
    for (auto& [d, f] : fonts_)
        if (d == desc) return f;
    std::shared_ptr<const gfx::Font> font = gfx::Font::Create(desc);
    fonts_.emplace_back(desc, font);
    return font;
}

}  // namespace ui
