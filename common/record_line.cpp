#include "common/record_line.h"
