// Object classes and kinds that exist, with the names the status bar shows.
#include "core/ObjectNames.h"

namespace {

struct ObjectType {
  std::uint16_t objClass;
  std::uint16_t objKind;
  const char* name;
};

constexpr ObjectType kObjectTypes[] = {
    {objclass::Image, objkind::Image, "Image"},
    {objclass::Figure, objkind::Line, "Line"},
    {objclass::Figure, objkind::Polygon, "Polygon"},
    {objclass::Figure, objkind::Char, "Char"},
    {objclass::Figure, objkind::RoundRect, "RoundRect"},
    {objclass::Figure, objkind::Ellipse, "Ellipse"},
    {objclass::Figure, objkind::Star, "Star"},
    {objclass::Figure, objkind::Job, "Job"},
    {objclass::Figure, objkind::Memo, "Memo"},
    {objclass::Figure, objkind::Arrow, "Arrow"},
    {objclass::Figure, objkind::CurveLArrow, "CurveLArrow"},
    {objclass::Figure, objkind::CurveArrow, "CurveArrow"},
    {objclass::Figure, objkind::Cylinder, "Cylinder"},
    {objclass::Figure, objkind::Cube, "Cube"},
    {objclass::Figure, objkind::Button, "Button"},
    {objclass::Figure, objkind::Pyramid, "Pyramid"},
    {objclass::Figure, objkind::SlipRect, "SlipRect"},
    {objclass::Figure, objkind::SlipRound, "SlipRound"},
    {objclass::Figure, objkind::SlipCloud, "SlipCloud"},
    {objclass::Figure, objkind::SlipSCloud, "SlipSCloud"},
    {objclass::DText, objkind::DText, "D-Text"},
};

}  // namespace

const char* ObjectTypeName(std::uint16_t objClass, std::uint16_t objKind) {
  for (const ObjectType& t : kObjectTypes) {
    if (t.objClass == objClass && t.objKind == objKind) return t.name;
  }
  return nullptr;
}

// Lines take one blank before the number, every other kind two.
QString ObjectStatusName(const ObjectRecord& record) {
  const char* name = ObjectTypeName(record.ObjClass, record.ObjKind);
  if (!name) return QString();
  const bool line = record.ObjClass == objclass::Figure && record.ObjKind == objkind::Line;
  return QString::asprintf(line ? "%s %ld" : "%s  %ld", name, static_cast<long>(record.ObjNo));
}
