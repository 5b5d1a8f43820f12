#include "common/paths.h"

#include <gtest/gtest.h>
