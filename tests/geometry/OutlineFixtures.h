// Figures built the way the object factory builds them, for the outline tests.
#pragma once

#include <gtest/gtest.h>

#include <QPoint>
#include <vector>

#include "core/Records.h"
#include "geometry/DefaultOutline.h"

struct FactoryShape {
  int kind;
  int variant;
  int n;
};

// Every kind and variant the factory asks for.
inline const std::vector<FactoryShape>& FactoryShapes() {
  static const std::vector<FactoryShape> shapes = {
      {objkind::Line, 0, 0},       {objkind::Line, 1, 0},        {objkind::Line, 2, 0},
      {objkind::Line, 3, 0},       {objkind::Line, 4, 0},        {objkind::Line, 5, 0},
      {objkind::Polygon, 6, 0},    {objkind::Polygon, 7, 0},     {objkind::Polygon, 8, 4},
      {objkind::Polygon, 0, 8},    {objkind::RoundRect, 0, 0},   {objkind::Ellipse, 10, 0},
      {objkind::Ellipse, 11, 0},   {objkind::Star, 0, 6},        {objkind::Job, 0, 0},
      {objkind::Memo, 0, 0},       {objkind::Arrow, 0, 0},       {objkind::CurveLArrow, 0, 0},
      {objkind::CurveArrow, 0, 0}, {objkind::Cylinder, 0, 0},    {objkind::Cube, 0, 0},
      {objkind::Button, 0, 0},     {objkind::Pyramid, 0, 0},     {objkind::SlipRect, 0, 0},
      {objkind::SlipRound, 0, 0},  {objkind::SlipCloud, 0, 0},   {objkind::SlipSCloud, 0, 0},
  };
  return shapes;
}

inline ObjectRecord MakeFigure(int kind, int variant = 0, int n = 0, QPoint centre = {500, 400}) {
  ObjectRecord rec{};
  rec.ObjClass = objclass::Figure;
  rec.ObjKind = static_cast<std::uint16_t>(kind);
  rec.CenterX = centre.x();
  rec.CenterY = centre.y();
  EXPECT_TRUE(DefaultOutline(rec, variant, n)) << "kind " << kind << " variant " << variant;
  return rec;
}

inline ObjectRecord FigureWith(int kind, const std::vector<QPoint>& pts, QPoint centre = {0, 0}) {
  ObjectRecord rec{};
  rec.ObjClass = objclass::Figure;
  rec.ObjKind = static_cast<std::uint16_t>(kind);
  rec.CenterX = centre.x();
  rec.CenterY = centre.y();
  rec.PointNum = static_cast<std::uint16_t>(pts.size());
  for (std::size_t i = 0; i < pts.size(); ++i) rec.Points[i] = {pts[i].x(), pts[i].y()};
  return rec;
}
