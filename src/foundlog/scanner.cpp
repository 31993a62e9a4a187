#include "foundlog/scanner.h"
