#pragma once

extern "C" {
#include <ass/ass.h>
}

// The one libass library handle of the process. Start-up creates it; the
// subtitle reader uses it. Calling the accessor before start-up creates it then.
ASS_Library *initAssLibrary();
ASS_Library *assLibrary();
