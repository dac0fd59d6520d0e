#include "first_view_size.h"

int32_t g_cxFirstView = -1;
int32_t g_cyFirstView = -1;
