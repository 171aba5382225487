#include "logging.h"

Q_LOGGING_CATEGORY(lcModule, "rv23.module")
