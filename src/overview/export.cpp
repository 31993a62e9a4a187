#include "overview/export.h"
