/* Preloaded into the real program to make one start-up step fail, as a broken
 * display would: KELVARO_FAULT=window, surface or outline. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stddef.h>
#include <stdlib.h>
#include <string.h>

typedef struct SDL_Window SDL_Window;
typedef struct SDL_Surface SDL_Surface;
int SDL_SetError(const char* fmt, ...);

static int Faulty(const char* what) {
    const char* fault = getenv("KELVARO_FAULT");
    return fault && strcmp(fault, what) == 0;
}

SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int w, int h, unsigned flags) {
    if (Faulty("window")) {
        SDL_SetError("no window for this test");
        return NULL;
    }
    SDL_Window* (*real)(const char*, int, int, int, int, unsigned) = dlsym(RTLD_NEXT, "SDL_CreateWindow");
    return real(title, x, y, w, h, flags);
}

SDL_Surface* SDL_GetWindowSurface(SDL_Window* window) {
    if (Faulty("surface")) {
        SDL_SetError("no surface for this test");
        return NULL;
    }
    SDL_Surface* (*real)(SDL_Window*) = dlsym(RTLD_NEXT, "SDL_GetWindowSurface");
    return real(window);
}

int XShapeQueryExtension(void* display, int* eventBase, int* errorBase) {
    if (Faulty("outline")) return 0;
    int (*real)(void*, int*, int*) = dlsym(RTLD_NEXT, "XShapeQueryExtension");
    return real(display, eventBase, errorBase);
}
