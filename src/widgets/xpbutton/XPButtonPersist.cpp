// Loading from and saving to the property store, in the fixed key orders.
#include "widgets/xpbutton/XPButton.h"

namespace widgets {

namespace {

// A decoded picture with any see-through pixel keeps its own transparency.
bool HasTransparency(const gfx::Bitmap& b) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if ((b.Raw(x, y) & gfx::Bitmap::kOpaque) != gfx::Bitmap::kOpaque) return true;
    return false;
}

// A stored value outside its range reads as the default, as a setter would ignore it.
int32_t ReadRanged(const ui::PropertyBag& bag, const char* key, int32_t def, int32_t lo, int32_t hi) {
    int32_t v = bag.ReadLong(key, def);
    return v >= lo && v <= hi ? v : def;
}

}  // namespace

void XPButton::ReadProperties(const ui::PropertyBag& bag) {
    containerWindow_ = Container();
    ui::AmbientProperties amb = Ambient();
    containerColour_ = gfx::ResolveColor(amb.backColor);
    delay_ = true;  // nothing is drawn while loading

    p_.caption = bag.ReadString("Caption", "");
    p_.captionAlign = ReadRanged(bag, "CapAlign", 2, 0, 2);
    p_.buttonStyle = ReadRanged(bag, "BackStyle", 0, 0, 7);
    p_.buttonShape = ReadRanged(bag, "Shape", 0, 0, 6);
    p_.gradientMode = ReadRanged(bag, "Gradient", 0, 0, 4);
    p_.gradientColor = bag.ReadColour("cGradient", kSysButtonFace);
    p_.foreColor = bag.ReadColour("cFore", kSysButtonText);
    p_.font = bag.ReadFont("Font", p_.font);
    p_.showFocusRect = bag.ReadBool("Focus", true);
    p_.mode = ReadRanged(bag, "Mode", 0, 0, 2);
    p_.value = p_.mode != 0 && bag.ReadBool("Value", false);  // a command button is never checked
    if (auto image = bag.ReadPicture("Image")) {
        p_.picture = ButtonPicture{image, HasTransparency(*image)};
    } else {
        p_.picture = ButtonPicture{};
    }
    p_.pictureSize = bag.ReadInteger("ImgSize", 16);
    // Only the five squares exist; anything else stored reads as the smallest.
    if (p_.pictureSize % 8 != 0 || p_.pictureSize < 16 || p_.pictureSize > 48) p_.pictureSize = 16;
    p_.pictureAlign = ReadRanged(bag, "ImgAlign", 0, 0, 5);
    p_.hoverForeColor = bag.ReadColour("cFHover", kSysButtonText);
    p_.enabled = bag.ReadBool("Enabled", true);
    Control::SetEnabled(p_.enabled);
    // As stored: a system colour stays one, so saving writes it back unchanged.
    p_.backColor = bag.ReadColour("cBack", amb.backColor);
    p_.hoverBackColor = bag.ReadColour("cBHover", p_.backColor);
    p_.hoverColorLocks = bag.ReadLong("LockHover", 0);
    p_.captionStyle = ReadRanged(bag, "CapStyle", 0, 0, 2);
    if (auto icon = bag.ReadPicture("mIcon")) SetButtonMouseIcon(icon);
    SetButtonMousePointer(bag.ReadInteger("mPointer", 0));

    PrepareResource("Picture");
    PrepareResource("Font");
    PrepareResource("BackColor");
    SetCaption(p_.caption);  // the access key and the layout
    if (p_.mode == 2) OptionToggle(1);
    delay_ = false;
    ResizeProcessing();
    ClearPropertiesDirty();
}

void XPButton::WriteProperties(ui::PropertyBag& bag) const {
    bag.WriteString("Caption", p_.caption, "");
    bag.WriteLong("CapAlign", p_.captionAlign, 2);
    bag.WriteLong("BackStyle", p_.buttonStyle, 0);
    bag.WriteLong("Shape", p_.buttonShape, 0);
    bag.WriteFont("Font", p_.font, std::nullopt);
    bag.WriteColour("cFore", p_.foreColor, kSysButtonText);
    bag.WriteColour("cFHover", p_.hoverForeColor, kSysButtonText);
    bag.WriteColour("cBhover", p_.hoverBackColor, p_.backColor);
    bag.WriteBool("Focus", p_.showFocusRect, true);
    bag.WriteLong("LockHover", p_.hoverColorLocks, 0);
    bag.WriteColour("cGradient", p_.gradientColor, kSysButtonFace);
    bag.WriteLong("Gradient", p_.gradientMode, 0);
    bag.WriteLong("CapStyle", p_.captionStyle, 0);
    bag.WriteLong("Mode", p_.mode, std::nullopt);
    bag.WriteBool("Value", p_.value, std::nullopt);
    bag.WriteLong("ImgAlign", p_.pictureAlign, 0);
    bag.WritePicture("Image", p_.picture.image);
    bag.WriteInteger("ImgSize", p_.pictureSize, 16);
    bag.WriteBool("Enabled", p_.enabled, true);
    bag.WriteColour("cBack", p_.backColor, std::nullopt);
    bag.WriteInteger("mPointer", p_.mousePointer, 0);
    bag.WritePicture("mIcon", p_.mouseIcon);
}

}  // namespace widgets
