#include "app/form1.h"

namespace arcwright {

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle("Arcwright");
}

}  // namespace arcwright
