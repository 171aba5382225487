#include "logging.h"

Q_LOGGING_CATEGORY(lcHistory, "rv23.history")
