#include "foundlog/tally.h"
