#include "logging.h"

Q_LOGGING_CATEGORY(lcPortal, "rv23.portal")
