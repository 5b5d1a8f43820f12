#include "common/sjis_text.h"

#include <gtest/gtest.h>
