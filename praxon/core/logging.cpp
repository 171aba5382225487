#include "logging.h"

Q_LOGGING_CATEGORY(lcHost, "rv23.praxon")
