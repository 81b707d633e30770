// A drawing surface over a QImage.
#include "Canvas.h"
