#include "common/record_line.h"

#include <gtest/gtest.h>
