#include "adjust/step_rules.h"
