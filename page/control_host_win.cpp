// Placeholder until the control host lands.
#include "page/control_host_win.h"

void SetUpControlHost(HINSTANCE) {}
