#include "foundlog/pass_start.h"
