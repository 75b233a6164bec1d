#pragma once
// The gallery's layout as form data: the copy compiled into the program, a
// file given on the command line, the pictures it names, and where Save writes.
#include <map>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"

namespace gallery {

// The built-in layout (assets/buttons.frm).
std::string BuiltInLayout();
// The text of a layout file; throws std::runtime_error saying which file and why.
std::string ReadLayoutFile(const std::string& path);
// Replaces the file through a temporary in the same folder; false and *error on failure.
bool WriteLayoutFile(const std::string& path, const std::string& text, std::string* error);
// Where Save writes: buttons.frm in the user's Kelvaro settings folder.
std::string DefaultSavePath();

// Pictures named in form data come from the program's own assets. The same name
// gives the same bitmap, so Save can write the name back instead of the pixels.
class AssetPictures {
public:
    // nullptr for an unknown or unreadable name.
    std::shared_ptr<const gfx::Bitmap> Get(const std::string& name);
    // The name a picture was loaded under; "" when it is not one of ours.
    std::string NameOf(const gfx::Bitmap* picture) const;

private:
    std::map<std::string, std::shared_ptr<const gfx::Bitmap>> loaded_;
};

}  // namespace gallery
