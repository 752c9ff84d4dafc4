#include "views/iso_view.h"
