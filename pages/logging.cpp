#include "logging.h"

Q_LOGGING_CATEGORY(lcPages, "rv23.pages")
