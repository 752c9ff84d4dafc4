#include "fractions/shop_fraction.h"
