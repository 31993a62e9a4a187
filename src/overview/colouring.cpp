#include "overview/colouring.h"
