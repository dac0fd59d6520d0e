// tarvenna [TM]: starts the program, opening the TM when one is named.

#include "tarvenna_app.h"

wxIMPLEMENT_APP(CTarvennaApp);
