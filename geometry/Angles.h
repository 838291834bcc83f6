// Angle constants and the normalisation every rotation command shares.
#pragma once

// These truncated values are the ones stored outlines were computed with;
// exact M_PI moves some rounded vertices by one unit.
inline constexpr double kPi = 3.1415926535;
inline constexpr double kTwoPi = 6.283185307;
inline constexpr double kHalfPi = kPi / 2;
inline constexpr double kThreeHalfPi = 4.71238898025;

enum class QuarterTurn { Right90, Turn180, Left90 };

// Brings a + delta into [0, 2π) with a single correction, as stored angles expect.
inline double AddAngle(double angle, double delta) {
  double sum = angle + delta;
  if (sum >= kTwoPi) {
    sum -= kTwoPi;
  } else if (sum < 0) {
    sum += kTwoPi;
  }
  return sum;
}

// The angle an object gets from a quarter-turn command; turning right adds 3π/2
// because stored angles run counter-clockwise on screen.
inline double QuarterTurnAngle(double angle, QuarterTurn turn) {
  switch (turn) {
    case QuarterTurn::Right90: return AddAngle(angle, kThreeHalfPi);
    case QuarterTurn::Turn180: return AddAngle(angle, kPi);
    case QuarterTurn::Left90: return AddAngle(angle, kHalfPi);
  }
  return angle;
}
