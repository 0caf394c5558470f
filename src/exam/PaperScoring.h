#pragma once

// The former name, kept while other folders still include it.
#include "exam/session/PaperScoring.h"
