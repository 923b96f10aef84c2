// What a layer above the pipeline includes. Compiled with one view's include
// folders: with no FORBIDDEN header it must compile (the pipeline, the
// allowed engine headers, data and base, and the view's EXTRA header); with
// a FORBIDDEN header (a layer below the pipeline that the views never see)
// it must not.
#include "base/number_text.h"
#include "data/browser_contents.h"
#include "engine/image_files.h"
#include "engine/services.h"
#include "engine/sheet.h"
#include "pipeline/breakdown.h"
#include "pipeline/item_delta.h"
#include "pipeline/menu_model.h"
#include "pipeline/session.h"
#ifdef EXTRA
#include EXTRA
#endif
#ifdef FORBIDDEN
#include FORBIDDEN
#endif
