// The one application object. It lives outside the core library so that every executable that
// links the library (the program and its tests) gets exactly one.
#include "viewer_app.h"

ViewerApp theApp;
