#include "bediening/keuzelijst.h"

namespace kz {

Keuzelijst::Keuzelijst(QWidget* container) : QComboBox(container) {}

} // namespace kz
