#include "common/profile_file.h"

#include <gtest/gtest.h>
