#include "print/setup_sheet.h"
