#include "logging.h"

Q_LOGGING_CATEGORY(lcLink, "rv23.link")
