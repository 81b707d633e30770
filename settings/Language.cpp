// The interface texts in six languages.
#include "Language.h"
