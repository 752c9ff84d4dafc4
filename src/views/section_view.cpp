#include "views/section_view.h"
