// Numbers shared by the resource script and the code that loads the resources.
#pragma once

#define TIPPOMAT_ICON 1
#define TRAY_ICON 2
