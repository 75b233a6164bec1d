// libFuzzer: the form data parser and every typed read of its property bags,
// pictures included, then the bags written out and parsed back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/PropertyBag.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ui::FormData form = ui::FormData::Parse(text);
    form.SetPictureResolver([](const std::string&) { return nullptr; });
    for (const std::string& name : form.Names()) {
        ui::PropertyBag& bag = form.Section(name);
        const auto entries = bag.Entries();
        for (const auto& [key, value] : entries) {
            bag.ReadLong(key, 0);
            bag.ReadInteger(key, 0);
            bag.ReadColour(key, 0x80000005);
            bag.ReadBool(key, false);
            bag.ReadFont(key, gfx::FontDesc{});
            bag.ReadPicture(key);
            if (bag.ReadProperty(key) != value) std::abort();
        }
        // A bag survives being written out and read in again.
        if (!(ui::PropertyBag::Parse(bag.Serialize()) == bag)) std::abort();
    }
    ui::FormData::Parse(form.Serialize());
    return 0;
}
