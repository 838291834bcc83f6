// Figure outlines as pure geometry: vertex conventions, rotation, default
// outlines, stroke paths and shape handles. Nothing here draws.
#pragma once

#include "render/outline/Angles.h"         // kPi, kTwoPi, QuarterTurnAngle
#include "render/outline/Contours.h"       // SplitContours
#include "render/outline/DefaultOutline.h" // DefaultOutline
#include "render/outline/MathSub.h"        // CMathSub
#include "render/outline/Rotation.h"       // RotatePoints, Mirror, ToView
#include "render/outline/ShapeHandles.h"   // ShapeHandles
#include "render/outline/StrokePath.h"     // StrokePath, PathPiece
