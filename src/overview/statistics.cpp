#include "overview/statistics.h"
