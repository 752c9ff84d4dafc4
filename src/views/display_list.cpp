#include "views/display_list.h"
