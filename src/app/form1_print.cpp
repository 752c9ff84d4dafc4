#include "app/form1.h"

namespace arcwright {

void Form1::printSheet() {}

}  // namespace arcwright
