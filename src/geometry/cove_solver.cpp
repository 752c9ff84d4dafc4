#include "geometry/cove_solver.h"
