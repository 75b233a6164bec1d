#include "widgets/xpbutton/ButtonModel.h"
#include "widgets/xpbutton/ColorShift.h"

namespace widgets {

DerivedColours DeriveColours(const ButtonProperties& p) {
    DerivedColours d;
    d.face = gfx::ResolveColor(p.backColor);
    d.pushedFace = d.face;
    d.hoverFace = gfx::ResolveColor(p.hoverBackColor);
    switch (p.buttonStyle) {
    case 2:
        d.face = Sb(d.face, 48);
        d.pushedFace = Sb(d.face, -32);
        d.hoverFace = Sb(d.hoverFace, 48);
        d.checkedFace = Sb(0xFFFFFF, -32);
        break;
    case 3:
        d.pushedFace = S(0x808080, 12);
        d.checkedFace = S(d.pushedFace, 31);
        break;
    case 7:
        d.face = S(d.face, 31);
        d.pushedFace = S(0x808080, -16);
        d.hoverFace = S(d.hoverFace, 31);
        d.checkedFace = Sb(0x808080, 16);
        break;
    default:
        d.checkedFace = S(0xFFFFFF, -32);
        break;
    }
    return d;
}

}  // namespace widgets
