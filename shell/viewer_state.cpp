#include "shell/viewer_state.h"

ViewerState g_state;
