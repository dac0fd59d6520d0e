// The query view's client size in pixels when it first recorded its size, -1
// until then. The view writes them once; the main frame reads them to keep
// the window from becoming smaller than that.

#ifndef TARVENNA_APP_FIRST_VIEW_SIZE_H_
#define TARVENNA_APP_FIRST_VIEW_SIZE_H_

#include <cstdint>

extern int32_t g_cxFirstView;
extern int32_t g_cyFirstView;

#endif  // TARVENNA_APP_FIRST_VIEW_SIZE_H_
