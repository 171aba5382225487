#include "logging.h"

Q_LOGGING_CATEGORY(lcFramework, "rv23.framework")
