// The one application object, constructed during static initialisation; the
// framework's entry point runs it.
#include "app/ScreenSaverApp.h"

ScreenSaverApp theApp;
