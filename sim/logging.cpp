#include "logging.h"

Q_LOGGING_CATEGORY(lcSim, "rv23.sim")
