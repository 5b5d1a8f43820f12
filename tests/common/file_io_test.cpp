#include "common/file_io.h"

#include <gtest/gtest.h>
