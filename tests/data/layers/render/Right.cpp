// A render file that includes only what lies below it.
#include "core/Document.h"
#include "geometry/MathSub.h"
