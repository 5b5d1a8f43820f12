#include "common/profile_file.h"
