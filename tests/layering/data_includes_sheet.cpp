// The catalog layer may not see the sheet: this include must not compile.
#include "engine/sheet.h"
