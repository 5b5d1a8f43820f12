#include "common/sjis_text.h"
