#include "views/plan_view.h"
