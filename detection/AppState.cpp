#include "detection/AppState.h"

std::string AppDir;
