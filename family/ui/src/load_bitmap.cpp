// _UILoadBitmap: a host's bitmap resource with a palette of its colours.
#include "family/ui/src/bitmap_resource.h"
#include "family/ui/src/library_state.h"
#include "family/ui/vistel.h"

HBITMAP _UILoadBitmap(HINSTANCE instance, const char* name, HPALETTE* palette) {
    if (palette != nullptr && *palette != nullptr) {
        DeleteObject(*palette);
        *palette = nullptr;
    }
    if (!vistel::Library().ready) {
        return nullptr;
    }
    HPALETTE created = nullptr;
    const HBITMAP bitmap = vistel::CreateBitmapFromResource(instance, name, &created);
    if (palette != nullptr) {
        *palette = created;
    } else if (created != nullptr) {
        DeleteObject(created);
    }
    return bitmap;
}
