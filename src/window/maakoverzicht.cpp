#include "window/form1.h"

namespace kz {

void Form1::Maakoverzicht_Click() {}

} // namespace kz
