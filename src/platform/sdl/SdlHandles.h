#pragma once
// Owning handles for SDL objects, and the one way they are created here: a
// failed create gives an empty handle plus SDL's message, never a half-made object.
#include <SDL.h>
#include <SDL_mixer.h>

#include <memory>
#include <string>

namespace platform::sdl {

struct WindowDeleter { void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); } };
struct SurfaceDeleter { void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); } };
struct CursorDeleter { void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); } };
struct ChunkDeleter { void operator()(Mix_Chunk* c) const { Mix_FreeChunk(c); } };

using WindowHandle = std::unique_ptr<SDL_Window, WindowDeleter>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SurfaceDeleter>;
using CursorHandle = std::unique_ptr<SDL_Cursor, CursorDeleter>;
using ChunkHandle = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// Wraps a create call: returns the owning handle, or an empty one with `error` set.
template <typename Handle, typename Raw>
Handle Own(Raw* raw, const char* what, std::string* error) {
    if (!raw && error) *error = std::string(what) + " failed: " + SDL_GetError();
    return Handle(raw);
}

}  // namespace platform::sdl
