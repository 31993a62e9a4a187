#include "foundlog/getal.h"
