#include "common/asslibrary.h"
#include <cstdlib>

namespace {
ASS_Library *g_library = nullptr;

void freeLibrary()
{
    ass_library_done(g_library);
    g_library = nullptr;
}
}

ASS_Library *initAssLibrary()
{
    if (!g_library) {
        g_library = ass_library_init();
        std::atexit(freeLibrary);
    }
    return g_library;
}

ASS_Library *assLibrary()
{
    return initAssLibrary();
}
