// A core file that reaches up into the renderer.
#include "render/SlideRenderer.h"
